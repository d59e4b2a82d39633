#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The tests' transfers stay out of the user's own radio archive; the
    // archive's tests choose an archive of their own.
    qputenv("VANTREL_ARCHIVE", "off");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
