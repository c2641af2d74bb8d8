// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/CPlanDlg.h"

#include "calc/CheckMessages.h"
#include "controls/CNumEdit.h"
#include "controls/FigureGrid.h"
#include "controls/Utf8Text.h"
#include "plan/PlanFields.h"
#include "plan/PlanForm.h"
#include "platform/WindowFit.h"
#include "report/PlanReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace hn {

namespace {

constexpr int kMaxLoans = 4;

QScrollArea* Scrolled(QWidget* page)
{
    auto* area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

QString BorrowerTitle(int k)
{
    return QStringLiteral("借入者%1").arg(k + 1);
}

} // namespace

CPlanDlg::CPlanDlg(QWidget* owner, const PlanForm* kept) : QDialog(owner)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("プラン"));
    setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    auto* sides = new QHBoxLayout;
    layout->addLayout(sides, 1);

    auto* inputs = new QWidget;
    auto* column = new QVBoxLayout(inputs);

    auto* purchase = new QGroupBox(QStringLiteral("購入"), inputs);
    auto* purchaseForm = new QFormLayout(purchase);
    purchaseForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_price = AddAmountField(purchaseForm, "物件価格 (万円)");
    m_down = AddAmountField(purchaseForm, "頭金 (万円)");
    m_costs = AddAmountField(purchaseForm, "諸費用 (万円)");
    m_financed = new QCheckBox(QStringLiteral("諸費用も借り入れる"), purchase);
    m_financed->setAccessibleName(m_financed->text());
    purchaseForm->addRow(m_financed);
    column->addWidget(purchase);

    auto* people = new QGroupBox(QStringLiteral("借入者"), inputs);
    auto* peopleForm = new QFormLayout(people);
    peopleForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_arrangement = AddChoice(peopleForm, "借り方", {"単独", "ペアローン", "収入合算", "連帯債務"});
    for (int k = 0; k < 2; ++k) {
        const std::string who = BorrowerTitle(k).toStdString();
        m_income[k] = AddAmountField(peopleForm, who + "の年収 (万円)");
        m_age[k] = new QSpinBox(people);
        m_age[k]->setRange(0, 120);
        const QString ageCaption = BorrowerTitle(k) + QStringLiteral("の年齢 (歳)");
        m_age[k]->setAccessibleName(ageCaption);
        m_age[k]->setObjectName(ageCaption);
        auto* label = new QLabel(ageCaption, people);
        label->setBuddy(m_age[k]);
        peopleForm->addRow(label, m_age[k]);
    }
    column->addWidget(people);

    m_loanColumn = new QVBoxLayout;
    column->addLayout(m_loanColumn);
    auto* loanButtons = new QHBoxLayout;
    m_add = new QPushButton(QStringLiteral("借入を追加(&A)"), inputs);
    m_remove = new QPushButton(QStringLiteral("最後の借入を削除(&D)"), inputs);
    for (QPushButton* b : {m_add, m_remove}) {
        b->setAutoDefault(false);
        loanButtons->addWidget(b);
    }
    loanButtons->addStretch(1);
    column->addLayout(loanButtons);
    connect(m_add, &QPushButton::clicked, this, [this] { AddLoan(); });
    connect(m_remove, &QPushButton::clicked, this, &CPlanDlg::RemoveLoan);

    m_compute = new QPushButton(QStringLiteral("計算(&C)"), inputs);
    m_compute->setDefault(true);
    auto* computeRow = new QHBoxLayout;
    computeRow->addStretch(1);
    computeRow->addWidget(m_compute);
    column->addLayout(computeRow);
    column->addStretch(1);
    connect(m_compute, &QPushButton::clicked, this, [this] { Compute(PlanFeedback::Tell); });

    auto* inputArea = Scrolled(inputs);
    sides->addWidget(inputArea, 0);

    auto* figures = new QWidget;
    m_figures = new QVBoxLayout(figures);
    m_warnings = new QLabel(figures);
    m_warnings->setWordWrap(true);
    m_warnings->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_warnings->setAccessibleName(QStringLiteral("注意"));
    m_figures->addWidget(m_warnings);
    m_figures->addStretch(1);
    sides->addWidget(Scrolled(figures), 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_arrangement, &QComboBox::currentIndexChanged, this, &CPlanDlg::ArrangementChanged);
    // Figures never outlive the inputs they came from.
    for (QLineEdit* edit : {static_cast<QLineEdit*>(m_price), static_cast<QLineEdit*>(m_down),
                            static_cast<QLineEdit*>(m_costs), static_cast<QLineEdit*>(m_income[0]),
                            static_cast<QLineEdit*>(m_income[1])})
        connect(edit, &QLineEdit::textChanged, this, &CPlanDlg::ClearFigures);
    connect(m_financed, &QCheckBox::toggled, this, &CPlanDlg::ClearFigures);
    for (QSpinBox* age : m_age)
        connect(age, &QSpinBox::valueChanged, this, &CPlanDlg::ClearFigures);
    SetForm(kept ? *kept : PlanForm{});
    inputArea->setMinimumWidth(inputs->sizeHint().width() + 24);
    PlaceOnScreen(this, {inputs->sizeHint().width() + 480, 680}, OpenWindows(this), {640, 400});
    m_price->setFocus();
}

PlanLoanBox* CPlanDlg::AddLoan()
{
    if (m_loans.size() >= kMaxLoans)
        return nullptr;
    auto* box = new PlanLoanBox(static_cast<int>(m_loans.size()) + 1);
    m_loanColumn->addWidget(box);
    m_loans.push_back(box);
    connect(box, &PlanLoanBox::Changed, this, &CPlanDlg::ClearFigures);
    ArrangementChanged();
    return box;
}

void CPlanDlg::RemoveLoan()
{
    if (m_loans.size() <= 1)
        return;
    delete m_loans.back();
    m_loans.pop_back();
    ArrangementChanged();
}

void CPlanDlg::ArrangementChanged()
{
    const auto arrangement = static_cast<PlanArrangement>(m_arrangement->currentIndex());
    const bool two = arrangement != PlanArrangement::Single;
    const bool inShares = arrangement == PlanArrangement::IncomeCombined || arrangement == PlanArrangement::JointDebt;
    for (QWidget* w : {static_cast<QWidget*>(m_income[1]), static_cast<QWidget*>(m_age[1])}) {
        auto* form = qobject_cast<QFormLayout*>(w->parentWidget()->layout());
        form->setRowVisible(w, two);
    }
    for (PlanLoanBox* box : m_loans)
        box->ShowOwnership(inShares, two);
    m_remove->setEnabled(m_loans.size() > 1);
    m_add->setEnabled(m_loans.size() < kMaxLoans);
    OrderTabs();
    ClearFigures();
}

void CPlanDlg::OrderTabs()
{
    std::vector<QWidget*> chain{m_price, m_down, m_costs, m_financed, m_arrangement,
                                m_income[0], m_age[0], m_income[1], m_age[1]};
    for (const PlanLoanBox* box : m_loans)
        for (QWidget* field : box->Fields())
            chain.push_back(field);
    chain.insert(chain.end(), {m_add, m_remove, m_compute});
    for (std::size_t k = 1; k < chain.size(); ++k)
        setTabOrder(chain[k - 1], chain[k]);
}

std::shared_ptr<const PlanForm> CPlanDlg::Kept() const
{
    return std::make_shared<const PlanForm>(Form());
}

PlanForm CPlanDlg::Form() const
{
    PlanForm form;
    form.priceMan = m_price->GetValue();
    form.downMan = m_down->GetValue();
    form.costsMan = m_costs->GetValue();
    form.costsFinanced = m_financed->isChecked();
    form.arrangement = static_cast<PlanArrangement>(m_arrangement->currentIndex());
    form.borrowerCount = form.arrangement == PlanArrangement::Single ? 1 : 2;
    for (int k = 0; k < 2; ++k)
        form.borrowers[static_cast<std::size_t>(k)] = {m_income[k]->GetValue(), m_age[k]->value()};
    form.loans.clear();
    for (const PlanLoanBox* box : m_loans)
        form.loans.push_back(box->Loan());
    return form;
}

void CPlanDlg::SetForm(const PlanForm& form)
{
    m_price->SetValue(form.priceMan);
    m_down->SetValue(form.downMan);
    m_costs->SetValue(form.costsMan);
    m_financed->setChecked(form.costsFinanced);
    m_arrangement->setCurrentIndex(static_cast<int>(form.arrangement));
    for (int k = 0; k < 2; ++k) {
        m_income[k]->SetValue(form.borrowers[static_cast<std::size_t>(k)].incomeMan);
        m_age[k]->setValue(form.borrowers[static_cast<std::size_t>(k)].age);
    }
    while (m_loans.size() > std::max<std::size_t>(form.loans.size(), 1))
        RemoveLoan();
    while (m_loans.size() < form.loans.size() && AddLoan()) {
    }
    if (m_loans.empty())
        AddLoan();
    for (std::size_t k = 0; k < m_loans.size() && k < form.loans.size(); ++k)
        m_loans[k]->SetLoan(form.loans[k]);
    ArrangementChanged();
}

void CPlanDlg::ClearFigures()
{
    for (auto& [title, grid] : m_grids)
        delete grid->parentWidget();
    m_grids.clear();
    m_warnings->clear();
}

void CPlanDlg::AddGrid(const QString& title, const std::vector<Figure>& figures)
{
    auto* box = new QGroupBox(title);
    box->setAccessibleName(title);
    auto* inside = new QVBoxLayout(box);
    auto* grid = new FigureGrid(box);
    grid->SetRows(PlanRows(figures));
    inside->addWidget(grid);
    // Before the warnings and the stretch at the end.
    m_figures->insertWidget(static_cast<int>(m_grids.size()), box);
    m_grids.emplace_back(title, grid);
}

bool CPlanDlg::Compute(PlanFeedback feedback)
{
    ClearFigures();
    const PlanFormRead read = ReadPlanForm(Form());
    PlanReport report;
    if (read.ok)
        report = MakePlanReport(read.input);
    if (!read.ok || !report.ok) {
        if (feedback == PlanFeedback::Tell)
            QMessageBox::warning(this, FromUtf8(kCheckCaption),
                                 FromUtf8(read.ok ? report.message : read.message));
        return false;
    }
    AddGrid(QStringLiteral("購入"), report.purchase);
    for (std::size_t k = 0; k < report.tranches.size(); ++k)
        AddGrid(QStringLiteral("借入%1").arg(k + 1), report.tranches[k]);
    for (std::size_t k = 0; k < report.borrowers.size(); ++k)
        AddGrid(BorrowerTitle(static_cast<int>(k)), report.borrowers[k]);
    if (!report.household.empty())
        AddGrid(QStringLiteral("世帯"), report.household);
    AddGrid(QStringLiteral("プラン全体"), report.whole);
    QStringList warnings;
    for (const std::string& w : report.warnings)
        warnings << FromUtf8(w);
    m_warnings->setText(warnings.join(QLatin1Char('\n')));
    return true;
}

FigureGrid* CPlanDlg::Grid(const QString& title) const
{
    for (const auto& [name, grid] : m_grids)
        if (name == title)
            return grid;
    return nullptr;
}

} // namespace hn
