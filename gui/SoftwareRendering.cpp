#include "SoftwareRendering.h"

#include <QQuickWindow>
#include <QtGlobal>

namespace quorlex {

void UseSoftwareRendering() {
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

} // namespace quorlex
