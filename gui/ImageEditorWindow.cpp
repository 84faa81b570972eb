#include "ImageEditorWindow.h"

#include "GuardedCall.h"
#include "QtText.h"
#include "RasterView.h"
#include "SaveImageDialog.h"
#include "app/Session.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

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

struct ZoomButton {
    const char* caption;
    const char* name;
    const char* tip;
};

constexpr ZoomButton kZoomOut{"\u2212", "ZoomOut", "Zoom out (Ctrl+-)"};
constexpr ZoomButton kZoomIn{"+", "ZoomIn", "Zoom in (Ctrl++)"};
constexpr ZoomButton kActualSize{"1:1", "ActualSize", "Actual size (Ctrl+0)"};
constexpr ZoomButton kFit{"Fit", "FitToWindow", "Fit to window (Ctrl+F)"};

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
    m_scroll->installEventFilter(this);
    m_scroll->viewport()->installEventFilter(this); // Ctrl and the wheel zoom
    m_save = new SaveImageDialog(session, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildMenu();
    layout->addWidget(BuildToolBar());
    layout->addWidget(m_scroll, 1);
    layout->addWidget(BuildZoomBar());
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
    connect(cancel, &QAction::triggered, this, &ImageEditorWindow::reject);
    main->addAction(cancel);
    BuildViewMenu(bar->addMenu(QStringLiteral("View")));
    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    QAction* helpItem = AddAction(QStringLiteral("Help"), QStringLiteral("EditorHelp"));
    connect(helpItem, &QAction::triggered, this, Guarded(m_session.ui(), [this] { m_page.EditorHelp(); }));
    help->addAction(helpItem);
    layout()->setMenuBar(bar);
}

void ImageEditorWindow::BuildViewMenu(QMenu* view) {
    QAction* in = AddAction(QStringLiteral("Zoom In"), QStringLiteral("ZoomInItem"));
    in->setShortcuts({QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    connect(in, &QAction::triggered, this, [this] { ZoomStep(&ImageZoom::In); });
    QAction* out = AddAction(QStringLiteral("Zoom Out"), QStringLiteral("ZoomOutItem"));
    out->setShortcut(QKeySequence(QStringLiteral("Ctrl+-")));
    connect(out, &QAction::triggered, this, [this] { ZoomStep(&ImageZoom::Out); });
    QAction* actual = AddAction(QStringLiteral("Actual Size (1:1)"), QStringLiteral("ActualSizeItem"));
    actual->setShortcut(QKeySequence(QStringLiteral("Ctrl+0")));
    connect(actual, &QAction::triggered, this, [this] { Zoom(&ImageZoom::ActualSize); });
    QAction* fit = AddAction(QStringLiteral("Fit to Window"), QStringLiteral("FitItem"));
    fit->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    connect(fit, &QAction::triggered, this, [this] { Zoom(&ImageZoom::Fit); });
    view->addActions({in, out, actual, fit});
}

QWidget* ImageEditorWindow::BuildZoomBar() {
    auto* bar = new QWidget;
    auto* zoom = new QHBoxLayout(bar);
    zoom->setContentsMargins(6, 2, 6, 2);
    zoom->setSpacing(2);
    zoom->addStretch();
    auto addButton = [&](const ZoomButton& button) {
        auto* push = new QPushButton(QString::fromUtf8(button.caption));
        push->setObjectName(QString::fromLatin1(button.name));
        push->setToolTip(QString::fromLatin1(button.tip));
        push->setAutoDefault(false);
        push->setFocusPolicy(Qt::NoFocus);
        push->setMaximumWidth(44);
        zoom->addWidget(push);
        return push;
    };
    zoom->addWidget(new QLabel(QStringLiteral("Zoom:")));
    connect(addButton(kZoomOut), &QPushButton::clicked, this, [this] { ZoomStep(&ImageZoom::Out); });
    m_zoomLabel = new QLabel;
    m_zoomLabel->setObjectName(QStringLiteral("ZoomValue"));
    m_zoomLabel->setAlignment(Qt::AlignCenter);
    m_zoomLabel->setMinimumWidth(70);
    zoom->addWidget(m_zoomLabel);
    connect(addButton(kZoomIn), &QPushButton::clicked, this, [this] { ZoomStep(&ImageZoom::In); });
    connect(addButton(kActualSize), &QPushButton::clicked, this, [this] { Zoom(&ImageZoom::ActualSize); });
    connect(addButton(kFit), &QPushButton::clicked, this, [this] { Zoom(&ImageZoom::Fit); });
    return bar;
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
            &ImageEditorWindow::reject);

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
    m_zoom.Fit();
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

QSize ImageEditorWindow::viewArea() const { return m_scroll->maximumViewportSize(); }

void ImageEditorWindow::Zoom(void (ImageZoom::*change)()) {
    (m_zoom.*change)();
    ShowZoom();
}

void ImageEditorWindow::ZoomStep(void (ImageZoom::*step)(PixelSize, PixelSize)) {
    const QSize area = viewArea();
    (m_zoom.*step)(m_page.editor().size(), {area.width(), area.height()});
    ShowZoom();
}

// The point of the image in the middle of the view stays there when the scale changes.
void ImageEditorWindow::ShowZoom() {
    const QSize area = viewArea();
    const PixelSize image = m_page.editor().size();
    QScrollBar* across = m_scroll->horizontalScrollBar();
    QScrollBar* down = m_scroll->verticalScrollBar();
    const QSize view = m_scroll->viewport()->size();
    const QPointF middle((across->value() + view.width() / 2.0) / std::max(1, m_image->width()),
                         (down->value() + view.height() / 2.0) / std::max(1, m_image->height()));
    m_image->SetScale(m_zoom.Scale(image, {area.width(), area.height()}));
    across->setValue(qRound(middle.x() * m_image->width() - view.width() / 2.0));
    down->setValue(qRound(middle.y() * m_image->height() - view.height() / 2.0));
    m_zoomLabel->setText(ToQt(m_zoom.Label(image, {area.width(), area.height()})));
}

bool ImageEditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_scroll && event->type() == QEvent::Resize && m_zoom.fitting())
        ShowZoom();
    if (watched == m_scroll->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers().testFlag(Qt::ControlModifier) && wheel->angleDelta().y() != 0) {
            ZoomStep(wheel->angleDelta().y() > 0 ? &ImageZoom::In : &ImageZoom::Out);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ImageEditorWindow::reject() {
    std::optional<std::string> question;
    GuardedCall(m_session.ui(), [&] { question = m_page.editor().CloseQuestion(); });
    if (question && m_session.ui().AskYesNo(*question) != Answer::Yes)
        return;
    QDialog::reject();
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
    ShowZoom();
}

} // namespace quorlex
