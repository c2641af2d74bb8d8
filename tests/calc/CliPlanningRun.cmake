# SPDX-License-Identifier: GPL-3.0-or-later
# hensai-calc --capacity and --prepay as a user runs them: figures, JSON,
# messages and usage errors.
# cmake -DCLI=<path to hensai-calc> -P CliPlanningRun.cmake
if(NOT CLI)
  message(FATAL_ERROR "CLI not set")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/CliTestSupport.cmake)

# Borrowing capacity: income 400 万円 at 35 %, 1.6 % over 35 years.
run(out err rc --capacity --income 400 --limit 35 --screening-rate 1.6 --years 35 --method 6)
expect_equal("capacity exit code" "${rc}" "0")
expect_line("${out}" "借入可能額: 3,750万円")
expect_line("${out}" "審査金利での毎月返済額: 116,664円")
expect_line("${out}" "年間返済額の上限: 1,400,000円")
expect_line("${out}" "通　常 1～5年目: 116,664円")
# Ratios and rates as the new modes write them: no bare point, unit attached.
expect_line("${out}" "年収に対する返済負担率: 35%")
expect_line("${out}" "審査上の返済負担率: 35%")
expect_line("${out}" "審査金利: 1.6%")
expect_line("${out}" "必要年収: 700万円以上")

# Banks' tiers, other debts, a real rate below the screening rate, as JSON.
run(out err rc --capacity --income 600 --limit bank --screening-rate 3.5 --other-debts 24 --years 35
    --method 6 --rate1 0.5 --json)
expect_equal("capacity json exit code" "${rc}" "0")
string(JSON v ERROR_VARIABLE jerr GET "${out}" capacity capacityMan)
if(jerr)
  message(FATAL_ERROR "not JSON: ${jerr}\n${out}")
endif()
expect_equal("capacityMan" "${v}" "3750")
string(JSON v GET "${out}" capacity limitPercent)
expect_equal("limitPercent" "${v}" "35")
string(JSON v GET "${out}" capacity allowanceYen)
expect_equal("allowanceYen" "${v}" "1860000")
string(JSON v GET "${out}" capacity ratioText)
expect_equal("ratioText" "${v}" "19.47%")
string(JSON v GET "${out}" loan monthly 0)
expect_equal("loan monthly" "${v}" "97344")

# A share typed as a decimal is that decimal: 8.2 % of 3,000 万円 is 246 万円.
run(out err rc --capacity --income 315 --limit 35 --screening-rate 1.5 --years 35 --bonus-share 8.2 --rate1 1.0
    --json)
string(JSON v GET "${out}" capacity capacityMan)
expect_equal("8.2 % capacity" "${v}" "3000")
string(JSON v GET "${out}" capacity bonusMan)
expect_equal("8.2 % bonus part" "${v}" "246")

# Capped by the calculate command's bonus ceiling, and said so.
run(out err rc --capacity --income 9999 --limit 40 --screening-rate 1 --years 35 --rate1 1 --bonus-share 50)
expect_line("${out}" "借入可能額: 9,999万円")
expect_line("${out}" "入力チェックによる上限: ﾎﾞｰﾅｽ額が多すぎます")

# Nothing to lend: the message on standard error, exit code 2.
run(out err rc --capacity --income 500 --limit 35 --other-debts 175 --rate1 2 --years 35)
expect_equal("other debts exit code" "${rc}" "2")
expect_equal("other debts message" "${err}" "他の借入の返済額だけで返済負担率の上限に達しています\n")
run(out err rc --capacity --income 400 --rate1 2 --years 35)
expect_equal("no limit message" "${err}" "返済負担率の上限を選んでください\n")

# Early repayment: 2,000 万円 at 3 % over 35 years, 100 万円 after instalment 120.
set(loan --method 6 --loan 2000 --rate1 3 --years 35 --first-month 2027-01)
run(out err rc ${loan} --prepay 120:100:reduce)
expect_equal("prepay exit code" "${rc}" "0")
expect_line("${out}" "  次回からの返済額: 72,227円")
expect_line("${out}" "軽減される利息: 422,520円")
expect_line("${out}" "  期間短縮型: 次回からの返済額 76,970円、完済 第394回 (2059年10月)、短縮 2年2か月、軽減される利息 1,048,053円")
expect_line("${out}" "検算 元金の合計 = 借入額 (毎月分): OK")

# The summary is the whole loan's, both parts: with 50 万円 of the second prepayment
# to the bonus part, the monthly part ends in 2057 and the loan with the bonus part
# in 2058; 返済額軽減型 names the new bonus instalment.
set(bonusLoan --method 1 --loan 3000 --bonus 600 --rate1 2 --rate2 3 --years 35 --first-month 2027-01)
run(out err rc ${bonusLoan} --prepay 120:100:shorten --prepay 180:200:shorten:50)
expect_line("${out}" "完済: ﾎﾞｰﾅｽ第64回 (2058年12月)、予定 第420回 (2061年12月)")
expect_line("${out}" "短縮: 3年")
expect_line("${out}" "毎月分の完済: 第369回 (2057年9月)、予定 第420回 (2061年12月)")
expect_line("${out}" "ﾎﾞｰﾅｽ分の完済: ﾎﾞｰﾅｽ第64回 (2058年12月)、予定 ﾎﾞｰﾅｽ第70回 (2061年12月)")
run(out err rc ${bonusLoan} --prepay 120:100:reduce --prepay 180:200:reduce:50 --json)
string(JSON v GET "${out}" prepayment nextBonusYen)
expect_equal("new bonus instalment" "${v}" "117223")
string(JSON v GET "${out}" prepayment loanEndMonth)
expect_equal("reduce keeps the end" "${v}" "2061-12")
run(out err rc ${bonusLoan} --prepay 120:100:shorten --prepay 180:200:shorten:50 --json)
string(JSON v GET "${out}" prepayment loanEndMonth)
expect_equal("the loan ends with the bonus part" "${v}" "2058-12")
string(JSON v GET "${out}" prepayment shortenedMonths)
expect_equal("shortened by" "${v}" "36")

# Whole instalments dropped, then the instalment lowered: the second rate stays with
# the rows that moved up, and so does the point where it is re-amortised.
run(out err rc --method 1 --loan 3000 --rate1 0.5 --rate2 15 --years 35 --prepay 12:600:shorten-whole
    --prepay 13:10:reduce --json)
expect_equal("mixed ways exit code" "${rc}" "0")
string(JSON v GET "${out}" prepayment interestAfterYen)
expect_equal("mixed ways interest" "${v}" "62469535")
run(out err rc --method 4 --loan 798 --bonus 270 --rate1 2.3 --rate2 4.461 --years 33
    --prepay 48:2816:shorten-whole:2700 --prepay 59:169:reduce --json)
string(JSON v GET "${out}" prepayment prepayments 1 nextInstalmentYen)
expect_equal("mixed ways after the 50-year basis" "${v}" "13805")

run(out err rc ${loan} --prepay 120:100:shorten --schedule monthly --json)
expect_equal("prepay json exit code" "${rc}" "0")
string(JSON v ERROR_VARIABLE jerr GET "${out}" prepayment monthsAfter)
if(jerr)
  message(FATAL_ERROR "not JSON: ${jerr}\n${out}")
endif()
expect_equal("monthsAfter" "${v}" "394")
string(JSON v GET "${out}" prepayment endMonth)
expect_equal("endMonth" "${v}" "2059-10")
string(JSON v GET "${out}" schedule rows 119 prepaid)
expect_equal("prepaid in row 120" "${v}" "1000000")
string(JSON n LENGTH "${out}" schedule rows)
expect_equal("rows after shortening" "${n}" "394")

# Paid off, then asked again; a bonus amount for a loan without one.
run(out err rc ${loan} --prepay 120:5000:shorten --prepay 200:10:reduce)
expect_equal("after end exit code" "${rc}" "2")
expect_equal("after end message" "${err}" "その回ではすでに完済しています\n")
run(out err rc ${loan} --prepay 120:10:reduce:5)
expect_equal("no bonus message" "${err}" "ﾎﾞｰﾅｽ返済のない借入です\n")

# Usage errors: exit code 2 with a hint.
foreach(args "--prepay;120:100" "--prepay;120:100:faster" "--prepay;0:100:reduce" "--prepay;12:1:reduce:2"
             "--limit;35" "--capacity;--loan;100" "--capacity;--limit;45" "--capacity;--schedule;monthly")
  run(out err rc ${loan} ${args})
  expect_equal("usage exit code for '${args}'" "${rc}" "2")
  string(FIND "${err}" "--help" at)
  if(at EQUAL -1)
    message(SEND_ERROR "no usage hint for '${args}': ${err}")
  endif()
endforeach()

run(out err rc --help)
foreach(word "--capacity" "--limit" "--screening-rate" "--other-debts" "--bonus-share" "--prepay" "shorten-whole")
  string(FIND "${out}" "${word}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "help does not explain '${word}'")
  endif()
endforeach()
