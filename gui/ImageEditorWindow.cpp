#include "ImageEditorWindow.h"

#include "GuardedCall.h"
#include "QtText.h"
#include "RasterView.h"
#include "SaveImageDialog.h"
#include "app/Session.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace quorlex {

namespace {

constexpr int kToolBarHeight = 65;

struct Operation {
    const char* caption;
    const char* name;
    void (ImageEditor::*apply)();
};

constexpr Operation kOperations[] = {
    {"Flip Horizontal", "FlipHorizontal", &ImageEditor::FlipHorizontal},
    {"Flip Vertical", "FlipVertical", &ImageEditor::FlipVertical},
    {"Invert Colors", "InvertColors", &ImageEditor::InvertColors},
    {"Grayscale", "Grayscale", &ImageEditor::Grayscale},
};

} // namespace

ImageEditorWindow::ImageEditorWindow(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_page(session.imagesPage()) {
    setObjectName(QStringLiteral("TImageEditor"));
    setModal(true);
    m_image = new RasterView;
    m_image->setObjectName(QStringLiteral("ImageArea"));
    m_scroll = new QScrollArea;
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroll->setWidget(m_image);
    m_save = new SaveImageDialog(session, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildMenu();
    layout->addWidget(BuildToolBar());
    layout->addWidget(m_scroll, 1);
}

QAction* ImageEditorWindow::AddAction(const QString& caption, const QString& name) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    m_actions << action;
    return action;
}

void ImageEditorWindow::BuildMenu() {
    auto* bar = new QMenuBar;
    QMenu* main = bar->addMenu(QStringLiteral("Main"));
    for (const Operation& operation : kOperations) {
        QAction* action = AddAction(QString::fromLatin1(operation.caption),
                                    QString::fromLatin1(operation.name) + QStringLiteral("Item"));
        connect(action, &QAction::triggered, this,
                Guarded(m_session.ui(), [this, apply = operation.apply] { Operate(apply); }));
        main->addAction(action);
    }
    QAction* revert = AddAction(QStringLiteral("Revert Changes"), QStringLiteral("RevertItem"));
    connect(revert, &QAction::triggered, this, &ImageEditorWindow::Revert);
    main->addAction(revert);
    main->addSeparator();
    QAction* save = AddAction(QStringLiteral("Save && Close Editor"), QStringLiteral("SaveItem"));
    connect(save, &QAction::triggered, this, &ImageEditorWindow::Save);
    main->addAction(save);
    QAction* cancel = AddAction(QStringLiteral("Cancel"), QStringLiteral("CancelItem"));
    cancel->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    connect(cancel, &QAction::triggered, this, &QDialog::reject);
    main->addAction(cancel);
    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    QAction* helpItem = AddAction(QStringLiteral("Help"), QStringLiteral("EditorHelp"));
    connect(helpItem, &QAction::triggered, this, Guarded(m_session.ui(), [this] { m_page.EditorHelp(); }));
    help->addAction(helpItem);
    layout()->setMenuBar(bar);
}

QWidget* ImageEditorWindow::BuildToolBar() {
    auto* bar = new QWidget;
    bar->setFixedHeight(kToolBarHeight);
    auto* operations = new QHBoxLayout;
    operations->setSpacing(4);
    auto addButton = [&](const QString& caption, const QString& name) {
        auto* button = new QPushButton(caption);
        button->setObjectName(name);
        button->setAutoDefault(false);
        operations->addWidget(button);
        return button;
    };
    for (const Operation& operation : kOperations)
        connect(addButton(QString::fromLatin1(operation.caption), QString::fromLatin1(operation.name)),
                &QPushButton::clicked, this,
                Guarded(m_session.ui(), [this, apply = operation.apply] { Operate(apply); }));
    connect(addButton(QStringLiteral("Revert Changes"), QStringLiteral("Revert")), &QPushButton::clicked, this,
            &ImageEditorWindow::Revert);
    operations->addStretch();
    connect(addButton(QStringLiteral("Save"), QStringLiteral("SaveEdited")), &QPushButton::clicked, this,
            &ImageEditorWindow::Save);
    connect(addButton(QStringLiteral("Cancel"), QStringLiteral("CancelEditor")), &QPushButton::clicked, this,
            &QDialog::reject);

    auto* adjustments = new QHBoxLayout;
    adjustments->setSpacing(6);
    adjustments->addWidget(new QLabel(QStringLiteral("Channels:")));
    const QString captions[] = {QStringLiteral("&Red"), QStringLiteral("&Green"), QStringLiteral("&Blue")};
    for (int i = 0; i < 3; ++i) {
        m_channels[i] = new QCheckBox(captions[i]);
        m_channels[i]->setObjectName(captions[i].mid(1));
        adjustments->addWidget(m_channels[i]);
        connect(m_channels[i], &QCheckBox::toggled, this, [this, i](bool on) {
            GuardedCall(m_session.ui(), [&] { m_page.editor().SetChannel(static_cast<Channel>(i), on); });
            ShowState();
        });
    }
    adjustments->addSpacing(20);
    adjustments->addWidget(new QLabel(QStringLiteral("Brightness:")));
    m_brightness = new QSlider(Qt::Horizontal);
    m_brightness->setObjectName(QStringLiteral("Brightness"));
    m_brightness->setRange(-255, 255);
    m_brightness->setSingleStep(1);
    m_brightness->setFixedWidth(260);
    adjustments->addWidget(m_brightness);
    m_value = new QLabel;
    m_value->setObjectName(QStringLiteral("BrightnessValue"));
    m_value->setMinimumWidth(40);
    adjustments->addWidget(m_value);
    adjustments->addStretch();
    connect(m_brightness, &QSlider::valueChanged, this, [this](int value) {
        GuardedCall(m_session.ui(), [&] { m_page.editor().SetBrightness(value); });
        ShowState();
    });

    auto* layout = new QVBoxLayout(bar);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addLayout(operations);
    layout->addLayout(adjustments);
    return bar;
}

void ImageEditorWindow::OpenImage() {
    bool loaded = false;
    GuardedCall(m_session.ui(), [&] { loaded = m_page.LoadEditorImage(); });
    if (!loaded)
        return;
    setWindowTitle(ToQt(m_page.editor().imagePath()));
    ShowState();
    FitToImage(true);
    exec();
}

void ImageEditorWindow::FitToImage(bool centre) {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const QRect available = screen->availableGeometry();
    const PixelSize size = EditorWindowSize({available.width(), available.height()}, m_page.editor().size());
    resize(size.width, size.height);
    if (centre)
        move(available.center() - QPoint(size.width / 2, size.height / 2));
}

void ImageEditorWindow::Operate(void (ImageEditor::*operation)()) {
    GuardedCall(m_session.ui(), [&] { (m_page.editor().*operation)(); });
    ShowState();
}

void ImageEditorWindow::Revert() {
    bool loaded = false;
    GuardedCall(m_session.ui(), [&] { loaded = m_page.LoadEditorImage(); });
    ShowState();
    if (loaded)
        FitToImage(false);
}

void ImageEditorWindow::Save() {
    if (m_save->Open() != QDialog::Accepted)
        return;
    accept();
    emit imageSaved();
}

void ImageEditorWindow::ShowState() {
    const ImageEditor& editor = m_page.editor();
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker blocker(m_channels[i]);
        m_channels[i]->setChecked(editor.channel(static_cast<Channel>(i)));
    }
    {
        const QSignalBlocker blocker(m_brightness);
        m_brightness->setValue(editor.brightness());
    }
    m_value->setText(QString::fromStdString(editor.BrightnessLabel()));
    m_image->Show(editor.adjusted());
}

} // namespace quorlex
