#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QPushButton;

namespace quorlex {

class Session;
class ThumbnailView;

// "Image Browser": thumbnails of the selected image variable's folder; OK or a double-click makes
// the picked file the variable's file. Created once; the size choice lasts for the run.
class ImageBrowserDialog : public QDialog {
    Q_OBJECT
public:
    ImageBrowserDialog(Session& session, QWidget* parent = nullptr);

    // The extensions of the files that Qt's image readers decode.
    static std::vector<std::string> ReadableExtensions();

    // Shows the folder the page pointed the browser at, modally.
    int ShowFolder();

    ThumbnailView* view() const { return m_view; }
    QComboBox* sizeBox() const { return m_size; }
    QPushButton* okButton() const { return m_ok; }

private:
    void Pick();

    Session& m_session;
    ThumbnailView* m_view;
    QComboBox* m_size;
    QPushButton* m_ok;
};

} // namespace quorlex
