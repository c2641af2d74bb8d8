// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DrawnButtonAccessible.h"

#include "controls/CDrawnOptionButton.h"
#include "controls/CDrawnToggleButton.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace hn {

namespace {

class DrawnOptionAccessible : public QAccessibleWidget {
public:
    explicit DrawnOptionAccessible(CDrawnOptionButton* button) : QAccessibleWidget(button, QAccessible::RadioButton)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? Button()->text() : name;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = Button()->GetCheck() != 0;
        return s;
    }

    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            if (widget()->isEnabled())
                Button()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction())
            return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    CDrawnOptionButton* Button() const { return static_cast<CDrawnOptionButton*>(widget()); }
};

// The disclosure toggle: a push button that says whether what it opens is shown.
class DrawnToggleAccessible : public QAccessibleWidget {
public:
    explicit DrawnToggleAccessible(CDrawnToggleButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = Toggle()->IsExpanded();
        s.collapsed = !s.expanded;
        return s;
    }
    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            if (widget()->isEnabled())
                Toggle()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    CDrawnToggleButton* Toggle() const { return static_cast<CDrawnToggleButton*>(widget()); }
};

QAccessibleInterface* DrawnButtonFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(CDrawnOptionButton::staticMetaObject.className()))
        if (auto* button = qobject_cast<CDrawnOptionButton*>(object))
            return new DrawnOptionAccessible(button);
    if (className == QLatin1String(CDrawnToggleButton::staticMetaObject.className()))
        if (auto* toggle = qobject_cast<CDrawnToggleButton*>(object))
            return new DrawnToggleAccessible(toggle);
    return nullptr;
}

} // namespace

void InstallDrawnButtonAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&DrawnButtonFactory);
        return true;
    }();
    (void)installed;
}

} // namespace hn
