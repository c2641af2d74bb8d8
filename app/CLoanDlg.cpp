// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CLoanDlg.h"

#include "app/AppMessages.h"
#include "app/CAboutDlg.h"
#include "app/HelpAddresses.h"
#include "calc/CalculateCommand.h"
#include "calc/CheckMessages.h"
#include "calc/DecimalText.h"
#include "controls/CColorLabel.h"
#include "controls/CDrawnOptionButton.h"
#include "controls/CDrawnToggleButton.h"
#include "controls/CHoverButton.h"
#include "controls/CNumEdit.h"
#include "controls/CRateEdit.h"
#include "controls/DialogSetUp.h"
#include "planning/CPlanningDlg.h"
#include "planning/PlanningSlots.h"
#include "platform/DataExchange.h"
#include "platform/DesktopLaunch.h"
#include "platform/SysColors.h"
#include "platform/WindowFit.h"
#include "platform/WindowStacking.h"
#include "res/DialogTemplates.h"
#include "res/ImageResources.h"
#include "res/MainDialogIds.h"
#include "res/StringTable.h"
#include "schedule/ScheduleWindowOwner.h"
#include "summary/CSummaryDlg.h"

#include "AppConfig.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

namespace hn {

namespace {

// The fourteen bound texts of the state in exchange order.
struct BoundText {
    int id;
    std::string LoanWindowState::*member;
};
const BoundText kBoundTexts[] = {
    {IDC_MONTHLY1, &LoanWindowState::m_strMonthly1},   {IDC_MONTHLY2, &LoanWindowState::m_strMonthly2},
    {IDC_MONTHLY3, &LoanWindowState::m_strMonthly3},   {IDC_BONUS1, &LoanWindowState::m_strBonus1},
    {IDC_BONUS2, &LoanWindowState::m_strBonus2},       {IDC_BONUS3, &LoanWindowState::m_strBonus3},
    {IDC_REQUIRED_INCOME, &LoanWindowState::m_strRequiredIncome}, {IDC_ANNUAL, &LoanWindowState::m_strAnnual},
    {IDC_LOAN, &LoanWindowState::m_strLoan},           {IDC_BONUS_PART, &LoanWindowState::m_strBonusPart},
    {IDC_RATE1, &LoanWindowState::m_strRate1},         {IDC_RATE2, &LoanWindowState::m_strRate2},
    {IDC_TOTAL, &LoanWindowState::m_strTotal},         {IDC_INCOME, &LoanWindowState::m_strIncome},
};

bool IsResultText(int id)
{
    for (int result : {IDC_MONTHLY1, IDC_MONTHLY2, IDC_MONTHLY3, IDC_BONUS1, IDC_BONUS2, IDC_BONUS3, IDC_ANNUAL,
                       IDC_REQUIRED_INCOME, IDC_TOTAL})
        if (id == result)
            return true;
    return false;
}

const char* const kPeriodItems[] = {"5", "10", "15", "20", "25", "30", "35"};
constexpr int kPeriod25Index = 4;
constexpr int kRateMaxLength = 5;
constexpr int kPeriodMaxLength = 2;
const ColorRef kToggleFace = ColorRef::Rgb(255, 64, 64);

const LabelLook kLabelLooks[] = {
    {IDC_MONTHLY1, 15, ColorRef::Rgb(180, 254, 173)}, {IDC_BONUS1, 15, ColorRef::Rgb(180, 254, 173)},
    {IDC_MONTHLY2, 15, ColorRef::Rgb(180, 254, 173)}, {IDC_BONUS2, 15, ColorRef::Rgb(180, 254, 173)},
    {IDC_MONTHLY3, 15, ColorRef::Rgb(180, 254, 173)}, {IDC_BONUS3, 15, ColorRef::Rgb(180, 254, 173)},
    {IDC_ANNUAL, 15, ColorRef::Rgb(248, 213, 251)},   {IDC_REQUIRED_INCOME, 15, ColorRef::Rgb(248, 213, 251)},
    {IDC_TOTAL, 15, ColorRef::Rgb(160, 250, 255)},
    {IDC_HEADING_METHOD, 10, ColorRef::Rgb(253, 236, 119)},
    {IDC_HEADING_CONDITIONS, 10, ColorRef::Rgb(253, 236, 119)},
    {IDC_HEADING_INSTALMENTS, 10, ColorRef::Rgb(253, 236, 119)},
    {IDC_HEADING_ANNUAL, 10, ColorRef::Rgb(253, 236, 119)},
    {IDC_HEADING_TOTAL, 10, ColorRef::Rgb(253, 236, 119)},
    {IDC_REQUIRED_INCOME_SUFFIX, 10, std::nullopt},
};

template <class T>
ControlFactory Make()
{
    return [](const DialogItem&, QWidget* parent) -> QWidget* { return new T(parent); };
}

// What a window manager's title bar and frame take above and below a window.
int FrameHeight(const QWidget& window)
{
    const FrameMargins frame = FrameOf(&window);
    return frame.top + frame.bottom;
}

// Whether the whole window, menu bar and frame included, fits the screen's height.
bool FitsOnScreen(const QWidget& window, const QWidget& client, const QMenuBar& menu)
{
    return client.height() + menu.sizeHint().height() + FrameHeight(window) <= AvailableArea(&window).height();
}

} // namespace

CLoanDlg::CLoanDlg(QWidget* parent) : QDialog(parent)
{
    const DialogTemplate& t = MainDialogTemplate();
    setWindowTitle(QString::fromUtf8(t.caption));
    // A main window: in the task bar, minimisable, fixed size, no maximise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(LoadAppIcon());

    m_client = new QWidget(this);
    std::vector<CustomControl> custom = {
        {IDC_LOAN, Make<CNumEdit>()},           {IDC_BONUS_PART, Make<CNumEdit>()},
        {IDC_INCOME, Make<CNumEdit>()},         {IDC_RATE1, Make<CRateEdit>()},
        {IDC_RATE2, Make<CRateEdit>()},         {IDC_CALCULATE, Make<CHoverButton>()},
        {IDC_DESK_CALCULATOR, Make<CHoverButton>()}, {IDC_SHOW_SUMMARY, Make<CHoverButton>()},
        {IDC_INCOME_TOGGLE, Make<CDrawnToggleButton>()},
    };
    for (int id = IDC_METHOD_CORPORATION_BASIC; id <= IDC_METHOD_BANK; ++id)
        custom.push_back({id, Make<CDrawnOptionButton>()});
    for (const LabelLook& look : kLabelLooks)
        custom.push_back({look.id, Make<CColorLabel>()});
    m_layout.Build(m_client, t, custom);

    m_menuBar = new QMenuBar(this);
    BuildMenu();

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->setMenuBar(m_menuBar);
    if (!FitsOnScreen(*this, *m_client, *m_menuBar)) {
        // A screen shorter than the window (2x on a 1080-line screen leaves 540 lines for
        // a window of about 590): the controls scroll within the screen's height, and
        // Tab scrolls the field it reaches into view, so that nothing is out of reach.
        auto* scroll = new QScrollArea(this);
        scroll->setObjectName(QStringLiteral("clientScroll"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        scroll->setWidget(m_client);
        box->addWidget(scroll);
        setFixedSize(m_client->width() + scroll->verticalScrollBar()->sizeHint().width(),
                     std::max(200, AvailableArea(this).height() - FrameHeight(*this)));
    } else {
        box->addWidget(m_client);
        box->setSizeConstraint(QLayout::SetFixedSize);
        box->activate();
    }
    // Centred, title bar included, on the screen's available area.
    PlaceOnScreen(this, size());

    OnInitDialog();
    ConnectCommands();
    SetUpSchedule();
}

CLoanDlg::~CLoanDlg()
{
    // Hiding moves the focus and makes the period box report an edit as a choice: let
    // that happen while this object is still whole, then stop listening.
    hide();
    for (QObject* sender : {static_cast<QObject*>(m_comboPeriod), static_cast<QObject*>(m_comboPeriod->lineEdit())})
        sender->disconnect(this);
    // The schedule and summary windows are ours and go first, while everything they
    // might look at still stands.
    m_schedule.reset();
    delete m_pSummaryDlg.data();
}

void CLoanDlg::BuildMenu()
{
    QMenu* current = nullptr;
    QString currentTitle;
    for (const MenuItemRow& row : MainMenuTable()) {
        const QString title = QString::fromUtf8(row.menu);
        if (!current || title != currentTitle) {
            current = m_menuBar->addMenu(title);
            currentTitle = title;
        }
        QAction* action = current->addAction(QString::fromUtf8(row.text));
        action->setObjectName(QString::number(row.id));
        action->setData(row.id);
        action->setCheckable(row.checkable);
        action->setChecked(row.checked);
    }
}

QAction* CLoanDlg::MenuAction(int id) const
{
    for (QAction* menu : m_menuBar->actions())
        for (QAction* action : menu->menu()->actions())
            if (action->data().toInt() == id)
                return action;
    return nullptr;
}

void CLoanDlg::OnInitDialog()
{
    m_staticIncome = m_layout.Item<QLabel>(IDC_INCOME_CAPTION);
    m_staticIncomeUnit = m_layout.Item<QLabel>(IDC_INCOME_UNIT);
    m_btnCalculate = m_layout.Item<CHoverButton>(IDC_CALCULATE);
    m_btnCalculator = m_layout.Item<CHoverButton>(IDC_DESK_CALCULATOR);
    m_btnSummary = m_layout.Item<CHoverButton>(IDC_SHOW_SUMMARY);
    m_editLoan = m_layout.Item<CNumEdit>(IDC_LOAN);
    m_editBonusPart = m_layout.Item<CNumEdit>(IDC_BONUS_PART);
    m_editIncome = m_layout.Item<CNumEdit>(IDC_INCOME);
    m_editRate1 = m_layout.Item<CRateEdit>(IDC_RATE1);
    m_editRate2 = m_layout.Item<CRateEdit>(IDC_RATE2);
    m_comboPeriod = m_layout.Item<QComboBox>(IDC_PERIOD);
    m_btnIncomeToggle = m_layout.Item<CDrawnToggleButton>(IDC_INCOME_TOGGLE);
    for (int i = 0; i < 6; ++i)
        m_optMethod[static_cast<std::size_t>(i)] = m_layout.Item<CDrawnOptionButton>(IDC_METHOD_FIRST + i);

    // The period list, then every bound text written once: fields and results start empty.
    for (const char* item : kPeriodItems)
        m_comboPeriod->addItem(QString::fromLatin1(item));
    UpdateData(false);

    // The window's icon; results are kept under 公庫基本型 until one is calculated.
    setWindowIcon(LoadAppIcon());
    m_state.m_nMethod = CorporationBasic;

    SetUpPictureButtons();

    // The first method is selected.
    m_optMethod[0]->SetCheck(1);

    // Whole numbers in the amount fields.
    for (CNumEdit* edit : {m_editLoan, m_editBonusPart, m_editIncome})
        edit->SetDecimals(0);

    SetUpColorLabels();

    // Rates: five characters.
    m_editRate1->setMaxLength(kRateMaxLength);
    m_editRate2->setMaxLength(kRateMaxLength);

    // The period box: two characters, chosen from the list while the period is fixed.
    // A typed period stays as typed: no completion from the list (a typed 2 would show
    // 20 and the first Enter would only accept that), and Enter adds nothing to the list.
    m_comboPeriod->setCompleter(nullptr);
    m_comboPeriod->setInsertPolicy(QComboBox::NoInsert);
    m_comboPeriod->lineEdit()->setMaxLength(kPeriodMaxLength);
    m_comboPeriod->setEnabled(true);
    m_comboPeriod->lineEdit()->setReadOnly(true);
    m_comboPeriod->setCurrentIndex(kPeriod25Index);
    m_state.periodText = ToUtf8(PeriodEditText());

    // The window opens with the focus in the loan field.
    m_editLoan->setFocus();

    // The red disclosure triangle of the income row.
    m_btnIncomeToggle->Attach();
    m_btnIncomeToggle->SetFaceColor(kToggleFace);
    m_btnIncomeToggle->setAccessibleName(QStringLiteral("年収欄の表示切替"));


    SetUpKeyboardAndNames();
}

void CLoanDlg::SetUpPictureButtons()
{
    const ColorRef face = m_btnCalculate->GetNormalBkColor();
    const struct {
        CHoverButton* button;
        int icon;
        int tip;
    } buttons[] = {{m_btnCalculate, IDI_CALCULATE, IDS_TIP_CALCULATE},
                   {m_btnCalculator, IDI_DESKCALC, IDS_TIP_DESK_CALCULATOR},
                   {m_btnSummary, IDI_SUMMARY, IDS_TIP_SHOW_SUMMARY}};
    for (const auto& b : buttons)
        SetUpPictureButton({b.button, LoadIconSizes(b.icon), FromUtf8(LoadStringUtf8(b.tip))},
                           face.Shifted(-kHoverButtonShade), face.Shifted(kHoverButtonShade), LoadHandCursor());
}

void CLoanDlg::SetUpColorLabels()
{
    ApplyLabelLooks(m_layout, kLabelLooks);
}

void CLoanDlg::ConnectCommands()
{
    connect(m_btnCalculate, &QAbstractButton::clicked, this, &CLoanDlg::OnCalculate);
    connect(m_btnCalculator, &QAbstractButton::clicked, this, &CLoanDlg::OnCalculator);
    connect(m_btnSummary, &QAbstractButton::clicked, this, &CLoanDlg::OnShowSummary);
    connect(m_btnIncomeToggle, &QAbstractButton::clicked, this, &CLoanDlg::OnIncomeToggle);

    const std::array<void (CLoanDlg::*)(), 6> methodHandlers = {
        &CLoanDlg::OnMethodBasic, &CLoanDlg::OnMethodStep, &CLoanDlg::OnMethodBasic,
        &CLoanDlg::OnMethodStep,  &CLoanDlg::OnMethodEqualPrincipal, &CLoanDlg::OnMethodBank};
    for (std::size_t i = 0; i < m_optMethod.size(); ++i)
        connect(m_optMethod[i], &QAbstractButton::clicked, this, methodHandlers[i]);

    connect(m_comboPeriod, &QComboBox::activated, this, &CLoanDlg::OnPeriodSelChange);
    connect(m_comboPeriod->lineEdit(), &QLineEdit::textEdited, this, &CLoanDlg::OnPeriodEditChange);
    // The state's period text is the box's, whoever changes it.
    connect(m_comboPeriod->lineEdit(), &QLineEdit::textChanged, this,
            [this](const QString& text) { m_state.periodText = ToUtf8(text); });

    const struct {
        int id;
        void (CLoanDlg::*handler)();
    } commands[] = {
        {ID_ALWAYS_ON_TOP, &CLoanDlg::OnAlwaysOnTop}, {ID_APP_EXIT, &CLoanDlg::reject},
        {ID_FIX_PERIOD, &CLoanDlg::OnFixPeriod},       {ID_TOGGLE_SUMMARY, &CLoanDlg::OnToggleSummary},
        {ID_PLANNING, &CLoanDlg::OnPlanning},          {ID_PLAN, &CLoanDlg::OnPlan},
        {ID_HOME_PAGE, &CLoanDlg::OnHomePage},         {ID_SEND_MAIL, &CLoanDlg::OnSendMail},
        {ID_APP_ABOUT, &CLoanDlg::OnAppAbout},         {ID_SHOW_SCHEDULE, &CLoanDlg::OnShowSchedule},
    };
    for (const auto& c : commands)
        connect(MenuAction(c.id), &QAction::triggered, this, c.handler);
}

// ---------------------------------------------------------------- data exchange

void CLoanDlg::UpdateData(bool save)
{
    for (const BoundText& bound : kBoundTexts) {
        QWidget* control = m_layout.GetDlgItem(bound.id);
        if (save)
            m_state.*bound.member = ToUtf8(ControlText(control));
        else
            SetControlTextIfDifferent(control, FromUtf8(m_state.*bound.member));
    }
}

// ---------------------------------------------------------------- rows and captions

void CLoanDlg::SetSecondRateRowVisible(bool visible)
{
    for (int id : {IDC_RATE2, IDC_RATE2_CAPTION, IDC_RATE2_UNIT})
        m_layout.GetDlgItem(id)->setVisible(visible);
}

void CLoanDlg::ShowSecondRate()
{
    SetSecondRateRowVisible(true);
}

void CLoanDlg::HideSecondRate()
{
    SetSecondRateRowVisible(false);
}

void CLoanDlg::SetCaptions(const CaptionSet& captions)
{
    const int bandIds[3] = {IDC_BAND1_CAPTION, IDC_BAND2_CAPTION, IDC_BAND3_CAPTION};
    for (int i = 0; i < 3; ++i)
        SetControlTextIfDifferent(m_layout.GetDlgItem(bandIds[i]), FromUtf8(captions.band[i]));
    SetControlTextIfDifferent(m_layout.GetDlgItem(IDC_RATE1_CAPTION), FromUtf8(captions.rate1));
    SetControlTextIfDifferent(m_layout.GetDlgItem(IDC_ANNUAL_YEAR_CAPTION), FromUtf8(captions.annual));
    DescribeResults();
}

void CLoanDlg::ResetBandLabels()
{
    SetCaptions(kStandardCaptions);
}

void CLoanDlg::ClearResults()
{
    // Only the nine result displays: the inputs keep what they show even when their
    // bound texts have not been read since the user typed.
    ClearResultTexts(m_state);
    for (const BoundText& bound : kBoundTexts)
        if (IsResultText(bound.id))
            SetControlTextIfDifferent(m_layout.GetDlgItem(bound.id), QString());
}

// ---------------------------------------------------------------- period

bool CLoanDlg::PeriodFixed() const
{
    return MenuAction(ID_FIX_PERIOD)->isChecked();
}

QString CLoanDlg::PeriodEditText() const
{
    return m_comboPeriod->lineEdit()->text();
}

int CLoanDlg::PeriodNumber(const QString& text) const
{
    const double years = ReadDecimalPrefix(ToUtf8(text));
    // Two characters at most: any number read here fits an int; NaN cannot be typed.
    return std::isfinite(years) ? static_cast<int>(std::trunc(std::clamp(years, -1e6, 1e6))) : 0;
}

void CLoanDlg::OnPeriodSelChange()
{
    const QString text = PeriodFixed() ? m_comboPeriod->itemText(m_comboPeriod->currentIndex()) : PeriodEditText();
    if (PeriodNumber(text) < 11)
        HideSecondRate();
    else if (!m_optMethod[BankOther - 1]->GetCheck())
        ShowSecondRate();
    UpdateData(true);
}

void CLoanDlg::OnPeriodEditChange()
{
    if (m_optMethod[BankOther - 1]->GetCheck())
        return;
    if (PeriodNumber(PeriodEditText()) > 10)
        ShowSecondRate();
    else
        HideSecondRate();
}

void CLoanDlg::OnFixPeriod()
{
    // The action has already flipped its tick.
    m_comboPeriod->setEnabled(true);
    m_comboPeriod->lineEdit()->setReadOnly(PeriodFixed());
}

// ---------------------------------------------------------------- methods

void CLoanDlg::OnMethodBasic()
{
    ResetBandLabels();
    SetSecondRateRowVisible(PeriodNumber(PeriodEditText()) > 10);
    ClearResults();
    m_editLoan->setFocus();
}

void CLoanDlg::OnMethodStep()
{
    ResetBandLabels();
    ShowSecondRate();
    ClearResults();
    m_editLoan->setFocus();
}

void CLoanDlg::OnMethodEqualPrincipal()
{
    SetCaptions(kEqualPrincipalCaptions);
    SetSecondRateRowVisible(PeriodNumber(PeriodEditText()) > 10);
    ClearResults();
    m_editLoan->setFocus();
}

void CLoanDlg::OnMethodBank()
{
    SetCaptions(kBankCaptions);
    HideSecondRate();
    ClearResults();
    m_editLoan->setFocus();
}

int CLoanDlg::SelectedMethod() const
{
    for (std::size_t i = 0; i < m_optMethod.size(); ++i)
        if (m_optMethod[i]->GetCheck())
            return static_cast<int>(i) + kFirstMethod;
    return 0;
}

// ---------------------------------------------------------------- calculate

QWidget* CLoanDlg::FieldWidget(int focusField) const
{
    switch (static_cast<CalcField>(focusField)) {
    case CalcField::Period: return m_comboPeriod;
    case CalcField::Loan: return m_editLoan;
    case CalcField::BonusPart: return m_editBonusPart;
    case CalcField::Rate1: return m_editRate1;
    case CalcField::Rate2: return m_editRate2;
    case CalcField::Income: return m_editIncome;
    }
    return m_editLoan;
}

void CLoanDlg::ShowCheckMessage(const QString& text)
{
    ShowMessage(FromUtf8(kCheckCaption), text);
}

void CLoanDlg::ShowMessage(const QString& caption, const QString& text)
{
    QMessageBox box(this);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void CLoanDlg::ReadFieldNumbers()
{
    m_state.loanMan = m_editLoan->GetValue();
    m_state.bonusMan = m_editBonusPart->GetValue();
    m_state.rate1Percent = m_editRate1->GetValue();
    m_state.rate2Percent = m_editRate2->GetValue();
    m_state.incomeMan = m_editIncome->GetValue();
    m_state.periodText = ToUtf8(PeriodEditText());
    m_state.selectedMethod = SelectedMethod();
}

void CLoanDlg::OnCalculate()
{
    // The fields' numbers, the period text, the method and the bound texts as they stand.
    ReadFieldNumbers();
    UpdateData(true);

    const CalcOutcome outcome = Calculate(m_state);
    if (!outcome.ok) {
        const CalcFailure& failure = outcome.failure;
        ShowCheckMessage(FromUtf8(failure.message));
        if (failure.showSecondRate)
            ShowSecondRate();
        if (failure.periodTo25)
            m_comboPeriod->setCurrentIndex(kPeriod25Index);
        QWidget* field = FieldWidget(static_cast<int>(failure.focus));
        if (failure.selectAll)
            if (auto* edit = qobject_cast<QLineEdit*>(field)) {
                edit->selectAll();
                edit->end(true);
            }
        field->setFocus();
        UpdateData(false);
        return;
    }

    if (m_pSummaryDlg)
        m_pSummaryDlg->EnableAddButton();
    UpdateData(false);
    ShowsLoan(outcome.success.input);
}

// ---------------------------------------------------------------- income row

void CLoanDlg::OnIncomeToggle()
{
    // The toggle reports its click before it flips: closed (0) means this click hides.
    const bool hide = m_btnIncomeToggle->GetToggleState() == 0;
    for (QWidget* w : {static_cast<QWidget*>(m_editIncome), static_cast<QWidget*>(m_staticIncome),
                       static_cast<QWidget*>(m_staticIncomeUnit)})
        w->setVisible(!hide);
    m_btnIncomeToggle->SetExpanded(!hide);
    if (hide)
        m_editLoan->setFocus();
    else
        m_editIncome->setFocus();
}

// ---------------------------------------------------------------- window commands

void CLoanDlg::OnAlwaysOnTop()
{
    // The action has already flipped its tick. The window keeps its native window: no
    // move, no resize, no change of the active window, and the modal run goes on.
    SetStaysOnTop(this, MenuAction(ID_ALWAYS_ON_TOP)->isChecked());
}

void CLoanDlg::ReapplyTopmost()
{
    if (MenuAction(ID_ALWAYS_ON_TOP)->isChecked())
        SetStaysOnTop(this, true);
}

void CLoanDlg::OnCalculator()
{
    // A desk calculator that is there starts silently. Many Linux desktops have none:
    // then say so and name what to install, rather than leave the button doing nothing.
    if (StartDeskCalculator() != DeskCalculatorStart::NotFound)
        return;
    ShowMessage(QString::fromUtf8(LoadStringUtf8(IDS_TIP_DESK_CALCULATOR)),
                FromUtf8(kNoDeskCalculatorText) + DeskCalculatorCandidates().join(QStringLiteral(", ")));
}

void CLoanDlg::OnHomePage()
{
    const QUrl url = HomePageUrl(QStringLiteral(HENSAI_HOMEPAGE_URL), InstalledReadmePath());
    if (!url.isEmpty())
        OpenAddress(url.toString(QUrl::FullyEncoded));
}

void CLoanDlg::OnSendMail()
{
    // With no address configured the command does nothing, as when no mail
    // program answers.
    const QUrl url = SupportMailUrl(QStringLiteral(HENSAI_SUPPORT_MAIL));
    if (!url.isEmpty())
        OpenAddress(url.toString(QUrl::FullyEncoded));
}

void CLoanDlg::OnAppAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CLoanDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the push button that has the focus; anywhere else it presses the
    // default button, calculate.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        if (ClickFocusedPushButton())
            return;
        if (m_btnCalculate->isEnabled())
            m_btnCalculate->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// ---------------------------------------------------------------- summary window

CSummaryDlg* CLoanDlg::SummaryDlg() const
{
    return m_pSummaryDlg;
}

void CLoanDlg::OpenSummary()
{
    auto* summary = new CSummaryDlg(*this);
    m_pSummaryDlg = summary;
    if (summary->Create()) {
        m_btnSummary->setEnabled(false);
        MenuAction(ID_TOGGLE_SUMMARY)->setChecked(true);
    } else {
        // Nothing to show: keep the pointer, the button and the tick telling the truth.
        delete summary;
        m_pSummaryDlg = nullptr;
        MenuAction(ID_TOGGLE_SUMMARY)->setChecked(false);
    }
}

void CLoanDlg::OnShowSummary()
{
    if (m_pSummaryDlg) {
        m_pSummaryDlg->Activate();
    } else {
        OpenSummary();
        // The keyboard goes back to this window, so the next key typed lands here.
        activateWindow();
        if (m_editIncome->isVisible())
            m_editIncome->setFocus();
        else
            m_editLoan->setFocus();
    }
    ReapplyTopmost();
}

void CLoanDlg::OnToggleSummary()
{
    if (m_pSummaryDlg) {
        m_pSummaryDlg->DestroyWindow();
        m_pSummaryDlg = nullptr;
        OnSummaryClosed();
    } else {
        OpenSummary();
    }
    ReapplyTopmost();
}

void CLoanDlg::OnPlanning()
{
    if (!m_pPlanningDlg) {
        // The window asks for the fields (and the summary's slots) when it opens and
        // whenever the user takes them again, so it never holds stale figures of ours.
        auto seed = [this] {
            // The fields as they stand now, calculated or not; the bound texts (what a
            // summary slot takes) stay those of the last calculation.
            ReadFieldNumbers();
            PlanningSeed seed;
            seed.loan.method = IsValidMethod(m_state.selectedMethod) ? m_state.selectedMethod : CorporationBasic;
            seed.loan.loanMan = m_state.loanMan;
            seed.loan.bonusMan = m_state.bonusMan;
            seed.loan.rate1Percent = m_state.rate1Percent;
            seed.loan.rate2Percent = m_state.rate2Percent;
            seed.loan.periodYears = ReadPeriodYears(m_state.periodText);
            seed.loan.incomeMan = m_state.incomeMan;
            if (m_pSummaryDlg)
                seed.slotLoans = SlotLoans(m_pSummaryDlg->Slots());
            return seed;
        };
        m_pPlanningDlg = new CPlanningDlg(seed, this, m_planningKept ? &*m_planningKept : nullptr);
        m_pPlanningDlg->setAttribute(Qt::WA_DeleteOnClose);
        // Closing (閉じる, Esc, the close box) keeps what was typed for the next opening.
        connect(m_pPlanningDlg, &QDialog::finished, this, [this, dlg = m_pPlanningDlg.data()] {
            m_planningKept = dlg->State();
        });
    }
    m_pPlanningDlg->show();
    m_pPlanningDlg->raise();
    m_pPlanningDlg->activateWindow();
}

void CLoanDlg::OnSummaryClosed()
{
    m_pSummaryDlg = nullptr;
    m_schedule->SummaryClosed();
    PlanningFollowsSlots();
    m_btnSummary->setEnabled(true);
    MenuAction(ID_TOGGLE_SUMMARY)->setChecked(false);
}

void CLoanDlg::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    if (m_pSummaryDlg)
        m_pSummaryDlg->FollowHost();
}

// ---------------------------------------------------------------- summary host

void CLoanDlg::SetMethodChecks(RepaymentMethod method)
{
    for (std::size_t i = 0; i < m_optMethod.size(); ++i)
        m_optMethod[i]->SetCheck(static_cast<int>(i) + kFirstMethod == method ? 1 : 0);
}

void CLoanDlg::ApplyCaptionSet(const CaptionSet& captions)
{
    SetCaptions(captions);
}

void CLoanDlg::RecallTexts(const HostTexts& t, const std::optional<LoanInput>& loan)
{
    ApplyShownTexts(m_state, t);
    m_comboPeriod->setEditText(FromUtf8(t.periodEdit));
    UpdateData(false);
    ShowsLoan(loan);
}

} // namespace hn
