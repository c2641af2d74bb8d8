// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The choice of burden limit that the capacity and lenders' reading sections share.
#include "calc/capacity/BurdenLimit.h"

#include <QWidget>

#include <string>
#include <string_view>

class QComboBox;
class QFormLayout;
class QLabel;

namespace hn {

// A combo box of BurdenLimitRules() with the chosen rule's wording beneath.
class LimitChoice : public QWidget {
    Q_OBJECT
public:
    explicit LimitChoice(QWidget* parent = nullptr);
    const BurdenLimitRule* Rule() const;
    std::string Key() const;
    void SelectKey(std::string_view key);
    QComboBox* Combo() const { return m_combo; }

private:
    QComboBox* m_combo = nullptr;
    QLabel* m_wording = nullptr;
};

// A row of `form` holding a LimitChoice under its caption.
LimitChoice* AddLimitRow(QFormLayout* form);

} // namespace hn
