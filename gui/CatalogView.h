#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;
class QWebEngineView;

namespace quorlex {

class CheckTemplateDialog;
class Session;

// "1) Select Template": the catalog list, the screenshot pane, " Customize " and the readme.
class CatalogView : public QWidget {
    Q_OBJECT
public:
    CatalogView(Session& session, const QString& resourceFolder, QWidget* parent = nullptr);

    void ShowCatalog();
    void ShowSelection();
    QTreeWidget* list() const { return m_list; }
    QPushButton* customizeButton() const { return m_customize; }
    QPushButton* checkButton() const { return m_check; }
    // The findings of the last "Check template", or null before the first.
    CheckTemplateDialog* checkDialog() const { return m_checkDialog; }
    QWebEngineView* infoBrowser() const { return m_info; }
    bool screenshotShown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* BuildInfoPane(const QString& resourceFolder);
    void SelectionChanged();
    void PlaceScreenshot();
    void CheckTemplate();

    Session& m_session;
    QTreeWidget* m_list;
    QWidget* m_pane = nullptr;
    QLabel* m_placeholder = nullptr;
    QLabel* m_screenshot = nullptr;
    QPixmap m_picture;
    QString m_pictureFile; // the file m_picture was read from
    QPushButton* m_customize = nullptr;
    QPushButton* m_check = nullptr;
    CheckTemplateDialog* m_checkDialog = nullptr;
    QWebEngineView* m_info;
};

} // namespace quorlex
