#include "workspace/StyleRebase.h"

#include <gtest/gtest.h>

using namespace quorlex;

TEST(StyleRebase, RelativeAddressesGetTheFolderAndTheRestStaysAsWritten) {
    const std::string css = "@import \"base.css\";\n"
                            "@import url(vendor/grid.css) screen;\n"
                            "@import 'print.css' print;\n"
                            "a { background: url(\"../images/a.png\") }\n"
                            "b { background: url( ../%%picture%% ) }\n"
                            "c { background: url('icons/x.svg#shape') }\n"
                            "d { background: url(data:image/png;base64,iVBOR==) }\n"
                            "e { background: url(https://example.org/e.png) }\n"
                            "f { background: url(/root.png) }\n"
                            "g { filter: url(#blur) }\n"
                            "h { mask: URL(m.svg?v=2) }\n"
                            "/* url(comment.png) stays */\n"
                            "i { content: \"url(text.png)\" }\n"
                            "j { background: my-url(x.png) }\n";
    EXPECT_EQ(RebaseStyleSheet(css, "css/"), "@import \"css/base.css\";\n"
                                             "@import url(css/vendor/grid.css) screen;\n"
                                             "@import 'css/print.css' print;\n"
                                             "a { background: url(\"images/a.png\") }\n"
                                             "b { background: url( %%picture%% ) }\n"
                                             "c { background: url('css/icons/x.svg#shape') }\n"
                                             "d { background: url(data:image/png;base64,iVBOR==) }\n"
                                             "e { background: url(https://example.org/e.png) }\n"
                                             "f { background: url(/root.png) }\n"
                                             "g { filter: url(#blur) }\n"
                                             "h { mask: URL(css/m.svg?v=2) }\n"
                                             "/* url(comment.png) stays */\n"
                                             "i { content: \"url(text.png)\" }\n"
                                             "j { background: my-url(x.png) }\n");
}

TEST(StyleRebase, FoldersOfEveryDepthAndSpelling) {
    EXPECT_EQ(RebasedAddress("../fonts/f.woff2", "css\\vendor\\"), "css/fonts/f.woff2");
    EXPECT_EQ(RebasedAddress("../../fonts/f.woff2", "css/vendor"), "fonts/f.woff2");
    EXPECT_EQ(RebasedAddress("../../../up.png", "css/vendor/"), "../up.png");
    EXPECT_EQ(RebasedAddress("./a/./b.png", "/css/"), "css/a/b.png");
    EXPECT_EQ(RebasedAddress("..", "css/"), "./");
    EXPECT_EQ(RebasedAddress("a.png", ""), "a.png");
    EXPECT_EQ(RebasedAddress("a.png", "./"), "a.png");
    EXPECT_EQ(RebaseStyleSheet("b{background:url(a.png)}", ""), "b{background:url(a.png)}");
    // An unclosed address or comment ends the sheet without harm.
    EXPECT_EQ(RebaseStyleSheet("b{background:url(\"a.png", "css/"), "b{background:url(\"css/a.png");
    EXPECT_EQ(RebaseStyleSheet("/* url(a.png)", "css/"), "/* url(a.png)");
}
