// The shell tests run on Qt's offscreen platform, so they need no display. The
// application object is the program's own, so that exceptions reach its handler.
#include "app/VerigrafApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TVerigrafApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
