#pragma once

#include "imagetools/ImageEditor.h"
#include "imagetools/ImageZoom.h"

#include <QDialog>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QScrollArea;
class QSlider;

namespace quorlex {

class ImagesPage;
class RasterView;
class SaveImageDialog;
class Session;

// The JPEG editor: operations and adjustments of the page's image, saved as a new file through
// the save-image dialog. Created once and reused.
class ImageEditorWindow : public QDialog {
    Q_OBJECT
public:
    ImageEditorWindow(Session& session, QWidget* parent = nullptr);

    // Reads the image the page chose and shows the editor modally; when the image cannot be
    // read the message was shown and the editor stays closed.
    void OpenImage();

    RasterView* imageArea() const { return m_image; }
    QCheckBox* channelBox(Channel channel) const { return m_channels[static_cast<int>(channel)]; }
    QSlider* brightnessSlider() const { return m_brightness; }
    QLabel* brightnessLabel() const { return m_value; }
    QLabel* zoomLabel() const { return m_zoomLabel; }
    // The area the image is shown in, without scroll bars.
    QSize viewArea() const;
    SaveImageDialog* saveDialog() const { return m_save; }

    // Cancel, Escape and the close box: unsaved changes are dropped only when the user says so.
    void reject() override;

signals:
    // A new image was written and chosen on the page.
    void imageSaved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildToolBar();
    // Under the image: the zoom buttons and the scale shown.
    QWidget* BuildZoomBar();
    void BuildMenu();
    void BuildViewMenu(QMenu* view);
    void Zoom(void (ImageZoom::*change)());
    void ZoomStep(void (ImageZoom::*step)(PixelSize, PixelSize));
    void ShowZoom();
    QAction* AddAction(const QString& caption, const QString& name);
    void Operate(void (ImageEditor::*operation)());
    void Revert();
    void Save();
    void ShowState();
    void FitToImage(bool centre);

    Session& m_session;
    ImagesPage& m_page;
    QScrollArea* m_scroll;
    RasterView* m_image;
    QCheckBox* m_channels[3];
    QSlider* m_brightness;
    QLabel* m_value;
    QLabel* m_zoomLabel;
    ImageZoom m_zoom;
    SaveImageDialog* m_save;
    QList<QAction*> m_actions;
};

} // namespace quorlex
