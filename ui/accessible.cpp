#include "ui/accessible.h"

#include <QAccessibleWidget>

#include "ui/artwork.h"
#include "ui/link_label.h"

namespace ui {
namespace {

// A reader presses a link as a mouse clicks it.
class LinkInterface : public QAccessibleWidget {
 public:
  explicit LinkInterface(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction()) static_cast<LinkLabel*>(widget())->activate();
  }
};

QAccessibleInterface* MakeInterface(const QString& /*class_name*/, QObject* object) {
  if (auto* link = qobject_cast<LinkLabel*>(object)) return new LinkInterface(link);
  if (auto* logo = qobject_cast<Logo*>(object))
    return new QAccessibleWidget(logo, QAccessible::Graphic);
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(MakeInterface);
    return true;
  }();
  (void)installed;
}

}  // namespace ui
