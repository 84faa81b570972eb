#include "CatalogView.h"
#include "CheckTemplateDialog.h"
#include "GuiFixture.h"
#include "util/TextFile.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

using namespace quorlex;
using namespace quorlex::test;

namespace {

void SelectRow(CatalogView& view, int row) {
    QTreeWidget* list = view.list();
    list->setCurrentItem(list->topLevelItem(row));
}

} // namespace

class CheckTemplateTest : public QObject {
    Q_OBJECT
private slots:
    void theButtonChecksOnlyASelectedTemplate() {
        GuiFixture f;
        f.Start();
        CatalogView& view = *f.window().catalogView();
        QVERIFY(!view.checkButton()->isEnabled());
        SelectRow(view, 0);
        QVERIFY(view.checkButton()->isEnabled());
        QCOMPARE(view.checkButton()->text(), QStringLiteral("Check template"));
        QTest::mouseClick(view.checkButton(), Qt::LeftButton);
        QTRY_VERIFY(view.checkDialog() && view.checkDialog()->isVisible());
        QCOMPARE(view.checkDialog()->summary()->text(), QStringLiteral("No findings."));
        QCOMPARE(view.checkDialog()->table()->rowCount(), 0);
        QVERIFY(view.checkDialog()->windowTitle().endsWith(view.list()->topLevelItem(0)->text(0)));
    }

    void findingsAreListedWithFileLineFindingAndFix() {
        GuiFixture f;
        const fs::path pebble = f.folder().path() / "templates/pebble";
        const std::string colors = ReadFileBytes(pebble / "colors.xml");
        const size_t var = colors.find("<var>");
        WriteFileAtomic(pebble / "colors.xml", colors.substr(0, var) + "<Var>" +
                                                   colors.substr(var + 5, colors.find("</var>") - var - 5) + "</Var>" +
                                                   colors.substr(colors.find("</var>") + 6));
        f.Start();
        f.window().resize(1000, 700);
        f.window().show();
        CatalogView& view = *f.window().catalogView();
        SelectRow(view, 1);
        QTest::mouseClick(view.checkButton(), Qt::LeftButton);
        QTRY_VERIFY(view.checkDialog() && view.checkDialog()->isVisible());
        QTableWidget* table = view.checkDialog()->table();
        int row = 0;
        while (row < table->rowCount() && table->item(row, 0)->text() != QStringLiteral("colors.xml"))
            ++row;
        QVERIFY(row < table->rowCount());
        QCOMPARE(table->item(row, 1)->text(), QStringLiteral("5"));
        QVERIFY(table->item(row, 2)->text().contains(QStringLiteral("<Var>")));
        QCOMPARE(table->item(row, 3)->text(), QStringLiteral("Write it as <var>."));
        QCOMPARE(view.checkDialog()->summary()->text(),
                 QString::number(table->rowCount()) + QStringLiteral(" findings."));
        SaveScreenshot(*view.checkDialog(), QStringLiteral("check-template.png"));
        QVERIFY(f.ui().errors.empty());
    }
};

QTEST_MAIN(CheckTemplateTest)
#include "CheckTemplateTest.moc"
