#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "illusion/draw_panel.h"
#include "ui/hyper_linker.h"
#include "ui/label.h"

namespace zq {

namespace {

class AccessibleLabel : public QAccessibleWidget {
 public:
  explicit AccessibleLabel(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      QString text = static_cast<const Label*>(widget())->textLayout().text();
      return text.replace(QChar(QChar::LineSeparator), QChar(u'\n'));
    }
    return QAccessibleWidget::text(t);
  }
};

class AccessibleLink : public QAccessibleWidget {
 public:
  explicit AccessibleLink(HyperLinker* link) : QAccessibleWidget(link, QAccessible::Link) {}

  QString text(QAccessible::Text t) const override {
    const auto* link = static_cast<const HyperLinker*>(widget());
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return link->shownText();
    }
    if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty()) {
      return QString::fromStdString(link->target());
    }
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.linked = true;
    s.traversed = static_cast<const HyperLinker*>(widget())->state().visited();
    return s;
  }

  // A screen-reader user has no pointer to press with; the press action does what a left
  // press does.
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      static_cast<HyperLinker*>(widget())->press();
    }
  }
};

QAccessibleInterface* accessibleControl(const QString& className, QObject* object) {
  if (className == QLatin1String("zq::Label")) {
    return new AccessibleLabel(static_cast<Label*>(object));
  }
  if (className == QLatin1String("zq::HyperLinker")) {
    return new AccessibleLink(static_cast<HyperLinker*>(object));
  }
  if (className == QLatin1String("zq::DrawPanel")) {
    return new QAccessibleWidget(static_cast<DrawPanel*>(object), QAccessible::Graphic);
  }
  return nullptr;
}

}  // namespace

void installAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&accessibleControl);
    return true;
  }();
  (void)installed;
}

}  // namespace zq
