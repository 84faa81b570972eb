#pragma once

#include "imagetools/ImageEditor.h"

#include <QDialog>

class QAction;
class QCheckBox;
class QLabel;
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
    SaveImageDialog* saveDialog() const { return m_save; }

signals:
    // A new image was written and chosen on the page.
    void imageSaved();

private:
    QWidget* BuildToolBar();
    void BuildMenu();
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
    SaveImageDialog* m_save;
    QList<QAction*> m_actions;
};

} // namespace quorlex
