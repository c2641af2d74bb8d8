#pragma once
// Where the help menu's home page and mail commands lead.
namespace hn {

inline constexpr const char* kHomePageAddress = "https://hensai-navi.example/";
inline constexpr const char* kSupportMailAddress = "mailto:support@hensai-navi.example";

} // namespace hn
