#include "GuiFixture.h"

#include "QtText.h"


namespace quorlex::test {

GuiFixture::GuiFixture() {
    fs::copy(qEnvironmentVariable("QUORLEX_SAMPLE_TEMPLATES").toStdString(), m_folder.path() / "templates",
             fs::copy_options::recursive);
    m_platform.documentsFolder = m_folder.path().string();
    m_window = std::make_unique<MainWindow>(m_session, m_browsers, qEnvironmentVariable("QUORLEX_RESOURCES"));
}

void GuiFixture::Start() { m_window->FormCreate(PathToQt(m_folder.path())); }

} // namespace quorlex::test
