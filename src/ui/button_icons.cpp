#include "ui/button_icons.h"

#include <QString>

static void InitIconResources() { Q_INIT_RESOURCE(icons); }

namespace kurvo {

namespace {
QIcon FromResource(const QString& name) {
    static const bool initialised = (InitIconResources(), true);
    (void)initialised;
    return QIcon(":/icons/" + name + ".svg");
}
}  // namespace

QIcon ButtonIcon(int picture) {
    return FromResource(QString("pic%1").arg(picture, 2, 10, QChar('0')));
}
QIcon PlotButtonIcon() { return FromResource("plot"); }
QIcon ApplicationIcon() { return FromResource("kurvo"); }

}  // namespace kurvo
