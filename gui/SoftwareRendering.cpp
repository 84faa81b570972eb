#include "SoftwareRendering.h"

#include <QQuickWindow>
#include <QtGlobal>

namespace quorlex {

namespace {

constexpr const char* kGlIntegration = "QT_XCB_GL_INTEGRATION";
QtMessageHandler g_nextHandler = nullptr;
bool g_glSwitchedOff = false;

// The two warnings Qt gives once when OpenGL is left out on purpose.
bool IsMissingGlWarning(QtMsgType type, const QString& message) {
    return type == QtWarningMsg &&
           (message.startsWith(QLatin1String("QXcbIntegration: Cannot create platform OpenGL context")) ||
            message == QLatin1String("No suitable graphics backend found"));
}

void SkipMissingGlWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!IsMissingGlWarning(type, message))
        g_nextHandler(type, context, message);
}

} // namespace

void UseSoftwareRendering() {
    const QByteArray backend = qgetenv("QT_QUICK_BACKEND");
    if (backend.isEmpty())
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // Nothing then draws through OpenGL, so X11 need not load it: that saves a tenth of a
    // second at start (the GL driver and its shader compiler).
    const bool software = backend.isEmpty() || backend == "software";
    if (!software || qEnvironmentVariableIsSet(kGlIntegration))
        return;
    qputenv(kGlIntegration, "none");
    g_glSwitchedOff = true;
    if (!g_nextHandler)
        g_nextHandler = qInstallMessageHandler(SkipMissingGlWarnings);
}

void RestoreUserEnvironment() {
    if (g_glSwitchedOff)
        qunsetenv(kGlIntegration);
    g_glSwitchedOff = false;
}

} // namespace quorlex
