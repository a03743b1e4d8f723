#include "app/DialogueDirect.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace palmora;

TEST(DialogueDirect, ShowsTheAddressesAndTheCodeOfTheFirstAndTellsArreterFromFermer) {
    const std::vector<std::string> adresses = {"http://192.0.2.2:8080/", "http://[fd00::2]:8080/"};
    DialogueDirect d(adresses);
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    EXPECT_EQ(d.windowTitle(), "Résultats en direct");
    QStringList vues;
    for (QLabel* l : d.findChildren<QLabel*>("adresse"))
        vues << l->text();
    EXPECT_EQ(vues, (QStringList{"http://192.0.2.2:8080/", "http://[fd00::2]:8080/"}));
    const QPixmap qr = d.findChild<QLabel*>("codeQr")->pixmap();
    ASSERT_FALSE(qr.isNull());
    // The code of the first address, the one a phone on the same network reaches.
    EXPECT_EQ(qr.toImage().convertToFormat(QImage::Format_RGB32),
              codeQr(adresses[0], 6).convertToFormat(QImage::Format_RGB32));

    QTest::keyClick(&d, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !d.isVisible(); }));
    EXPECT_TRUE(d.arreter());

    DialogueDirect f(adresses);
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.isVisible(); }));
    EXPECT_FALSE(f.arreter());
}
