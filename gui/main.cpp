#include "GuardedApplication.h"
#include "GuardedCall.h"
#include "MainWindow.h"
#include "QtBrowsers.h"
#include "QtPlatform.h"
#include "QtText.h"
#include "QtUi.h"
#include "SoftwareRendering.h"
#include "TSplash.h"
#include "app/CommandLine.h"
#include "app/Session.h"

#include <QFont>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <filesystem>
#include <iostream>

using namespace quorlex;

int main(int argc, char* argv[]) {
    // Commands run without a display, so they are decided before the application exists.
    const CommandLine command = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    const ProgramFolders folders = ProgramFolders::Choose(executable.parent_path(), ProgramFolders::UserDataHome());
    if (command.mode != CommandMode::Window)
        return RunCommandLine(command, folders, std::cout, std::cerr);
    UseSoftwareRendering();
    GuardedApplication app(argc, argv);
    RestoreUserEnvironment();
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    const QString resources = PathToQt(folders.program() / "resources");

    TSplash splash(resources);
    splash.show();
    splash.SetStatus(QStringLiteral("Loading ..."));
    splash.SetRange(0, 200, 20, 10);
    QApplication::setApplicationName(QStringLiteral("Quorlex"));
    QApplication::setOrganizationName(QStringLiteral("Quorlex"));
    QApplication::setWindowIcon(QIcon(resources + QStringLiteral("/quorlex.png")));
    QApplication::setFont(QFont(QStringLiteral("Tahoma"), 9));

    QtUi ui;
    QtPlatform platform;
    QtBrowsers browsers;
    Session session(ui, platform, browsers);
    const auto step = [&splash] { splash.StepIt(); };
    MainWindow window(session, browsers, resources, step);
    ui.SetWindow(&window);
    platform.SetWindow(&window);
    window.FormCreate(folders, step);
    splash.SetStatus(QStringLiteral("Loading Modules..."));
    splash.StepIt();
    splash.Finish();
    QSettings settings;
    ui.RestoreSettings(settings);
    window.RestoreSettings(settings);
    if (settings.contains(QStringLiteral("window/geometry"))) {
        window.show();
    } else {
        // Without a window manager a maximize request does nothing: fill the screen ourselves.
        window.setGeometry(window.screen()->availableGeometry());
        window.showMaximized();
    }
    if (command.project)
        QTimer::singleShot(0, &window, [&session, file = *command.project] {
            GuardedCall(session.ui(), [&] { session.OpenProject(std::filesystem::absolute(file)); });
        });
    // For install checks: end once start-up is done.
    if (qEnvironmentVariableIsSet("QUORLEX_QUIT_AFTER_START"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    const int status = app.exec();
    window.SaveSettings(settings);
    ui.SaveSettings(settings);
    return status;
}
