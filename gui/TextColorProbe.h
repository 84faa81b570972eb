#pragma once

#include "ports/PageProbe.h"

#include <QObject>
#include <QTimer>
#include <QUrl>
#include <memory>

class QWebEngineLoadingInfo;
class QWebEngineView;

namespace quorlex {

// Loads a page in a browser view that is never shown, under the preview's content policy, and
// reads the computed colors of every element with text of its own. The page may not navigate
// anywhere else, and one that does not answer within the time limit counts as not rendered.
class TextColorProbe : public QObject, public PageProbe {
    Q_OBJECT
public:
    explicit TextColorProbe(QObject* parent = nullptr);
    ~TextColorProbe() override;

    void MeasureText(const std::filesystem::path& page, Done done) override;

private:
    void MakeView();
    void LoadingChanged(const QWebEngineLoadingInfo& info);
    // Answers the request under way and stops the page's loading.
    void Reply(std::optional<std::vector<TextSample>> samples);

    std::unique_ptr<QWebEngineView> m_view;
    QUrl m_url; // the request under way; its query tells its loads from earlier ones
    unsigned m_request = 0;
    Done m_done;
    QTimer m_timeLimit;
};

} // namespace quorlex
