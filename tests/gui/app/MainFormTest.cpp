// The real main window: what a person sees after each command, read from the listing and
// its heading.
#include "WindowHarness.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace kanavo;

class MainFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnNowWhenTheWeekHoldsToday();
    void opensOnMondayOtherwise();
    void everyCommandShowsItsView();
    void typeFilterHidesAndRestores();
    void searchRunsByEnterAndByButton();
    void arrowKeysStepTheChannel();
    void closeSavesAndAsksOnlyWhenConfirmQuit();
    void secondBuiltInSkinHasSmallFastChannels();
    void bannerClickOpensItsAddress();

private:
    void start() {
        QVERIFY(w->start());
        // For a person checking the look: KANAVO_SCREENSHOT=FILE.png saves the first window.
        if (const QByteArray file = qgetenv("KANAVO_SCREENSHOT"); !file.isEmpty() && !m_shotTaken) {
            m_shotTaken = w->form->grab().save(QString::fromLocal8Bit(file));
        }
    }
    template <typename T> T* child(const char* name) { return w->child<T>(name); }
    QString heading() { return w->heading(); }
    TTarnList* listing() { return w->listing(); }
    QString channelShown() { return w->channelShown(); }

    std::unique_ptr<test::WindowHarness> w;
    bool m_shotTaken = false;
};

void MainFormTest::init() {
    w = std::make_unique<test::WindowHarness>();
}

void MainFormTest::cleanup() {
    w.reset();
}

void MainFormTest::opensOnNowWhenTheWeekHoldsToday() {
    start();
    QCOMPARE(heading(), QStringLiteral("Программа передач, идущих по всем каналам сейчас, 09.12.2026 года."));
    QVERIFY(child<TTarnGlyphButton>("ButtonDay8")->isVisible());
    QVERIFY(child<TTarnGlyphButton>("ButtonDay8")->Down());
    QVERIFY(listing()->Lines4().size() >= 1);
    QCOMPARE(channelShown(), QStringLiteral("Все каналы"));
    QVERIFY(w->messages.shown.isEmpty());
}

void MainFormTest::opensOnMondayOtherwise() {
    w->clock.value = encodeDate(2026, 12, 16) + encodeTime(12, 0);
    start();
    QCOMPARE(heading(),
             QStringLiteral("Программа передач канала Первый канал на понедельник, 07.12.2026 года."));
    QVERIFY(!child<TTarnGlyphButton>("ButtonDay8")->isVisible());
    QVERIFY(!child<QAction>("MenuViewDay8")->isVisible());
    QVERIFY(child<QAction>("MenuViewDay0")->isChecked());
}

void MainFormTest::everyCommandShowsItsView() {
    start();
    QTest::mouseClick(child<TTarnGlyphButton>("ButtonDay2"), Qt::LeftButton);
    QCOMPARE(heading(), QStringLiteral("Программа передач канала Первый канал на среду, 09.12.2026 года."));
    QVERIFY(child<TTarnGlyphButton>("ButtonDay2")->Down());
    QVERIFY(!child<TTarnGlyphButton>("ButtonDay8")->Down());

    child<QAction>("MenuViewDay3")->trigger();
    QVERIFY(heading().contains(QStringLiteral("на четверг, 10.12.2026")));
    QVERIFY(child<QAction>("MenuViewDay3")->isChecked());

    child<QMenu>("MenuCanal")->actions().at(1)->trigger();
    QCOMPARE(channelShown(), QStringLiteral("Россия"));
    QVERIFY(heading().contains(QStringLiteral("канала Россия на четверг")));

    child<QMenu>("MenuViewCanal")->actions().at(2)->trigger();
    QCOMPARE(channelShown(), QStringLiteral("НТВ"));

    QTest::mouseClick(child<QToolButton>("FastCanal3"), Qt::LeftButton);
    QCOMPARE(channelShown(), QStringLiteral("Культура"));
    QVERIFY(listing()->Lines4().size() > 5);
    QCOMPARE(listing()->ImageIndex1(0), -1);
}

void MainFormTest::typeFilterHidesAndRestores() {
    start();
    QTest::mouseClick(child<TTarnGlyphButton>("ButtonDay1"), Qt::LeftButton);
    const auto count = listing()->Lines4().size();
    QTest::mouseClick(child<QToolButton>("TBItemType1"), Qt::LeftButton);
    for (int i = 0; i < listing()->Lines4().size(); ++i) {
        QVERIFY(listing()->ImageIndex4(i) != 0);
    }
    QVERIFY(listing()->Lines4().size() < count);
    child<QAction>("MenuViewTypeNone")->trigger();
    QCOMPARE(listing()->Lines4().size(), 0);
    child<QAction>("MenuViewTypeAll")->trigger();
    QCOMPARE(listing()->Lines4().size(), count);
}

void MainFormTest::searchRunsByEnterAndByButton() {
    start();
    auto* field = child<QLineEdit>("SearchText");
    field->setFocus();
    field->setText(QStringLiteral("новости"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(heading(), QStringLiteral("Поиск программ передач на всех каналах на всю неделю."));
    QVERIFY(listing()->Lines1().size() > 0);
    QVERIFY(listing()->Lines1().at(0).contains(QStringLiteral(", ")));

    QTest::mouseClick(child<QPushButton>("SearchCan"), Qt::LeftButton);
    QCOMPARE(heading(), QStringLiteral("Программа передач канала Первый канал на неделю."));
    QTest::mouseClick(child<QPushButton>("SearchDay"), Qt::LeftButton);
    // Still from the "now" view: today's broadcast day.
    QCOMPARE(heading(), QStringLiteral("Программа передач всех каналов на сегодня."));
}

void MainFormTest::arrowKeysStepTheChannel() {
    w->clock.value = encodeDate(2026, 12, 16) + encodeTime(12, 0); // Monday view, first channel
    start();
    QTest::keyClick(w->form.get(), Qt::Key_Right);
    QCOMPARE(channelShown(), QStringLiteral("Россия"));
    QTest::keyClick(w->form.get(), Qt::Key_Left);
    QTest::keyClick(w->form.get(), Qt::Key_Left);
    QVERIFY(heading().contains(channelShown()));
    QVERIFY(channelShown() != QStringLiteral("Первый канал") && channelShown() != QStringLiteral("Россия"));
}

void MainFormTest::closeSavesAndAsksOnlyWhenConfirmQuit() {
    start();
    const auto file = w->settingsFile();
    w->messages.answer = false;
    w->form->close();
    QVERIFY(w->form->isVisible());
    QVERIFY(std::filesystem::exists(file));
    QCOMPARE(w->messages.shown, QStringList{QStringLiteral("Вы действительно хотите выйти из программы?")});

    w->form.reset();
    w->messages.shown.clear();
    w->writeSettings("[Setup option]\r\nConfirm quit=0\r\n");
    start();
    w->form->close();
    QVERIFY(!w->form->isVisible());
    QVERIFY(w->messages.shown.isEmpty());
}

void MainFormTest::secondBuiltInSkinHasSmallFastChannels() {
    w->writeWeek(40);
    start();
    const QSize large = child<QToolButton>("FastCanal0")->iconSize();
    QCOMPARE(large, QSize(32, 32));
    child<QAction>("MenuSetupSkin1")->trigger();
    QCOMPARE(child<QToolButton>("FastCanal0")->iconSize(), QSize(24, 24));
    QVERIFY(!child<TTarnGlyphButton>("ButtonFastLeft")->isVisible());
    QVERIFY(!child<TTarnGlyphButton>("ButtonFastRight")->isVisible());
    QVERIFY(child<QAction>("MenuSetupSkin1")->isChecked());
    QVERIFY(!child<QAction>("MenuSetupSkin0")->isChecked());
    // The toolbar fills the strip; what does not fit is behind the chevron, one item each.
    auto* more = child<QToolButton>("FastCanalMore");
    QVERIFY(more->isVisible());
    QVERIFY(!child<QToolButton>("FastCanal39")->isVisible());
    const auto hidden = more->menu()->actions();
    QVERIFY(!hidden.isEmpty());
    QCOMPARE(hidden.back()->text(), child<QToolButton>("FastCanal39")->toolTip());
    hidden.back()->trigger();
    QCOMPARE(channelShown(), child<QToolButton>("FastCanal39")->toolTip());
}

void MainFormTest::bannerClickOpensItsAddress() {
    start();
    const auto labels = w->form->findChildren<QLabel*>();
    QLabel* banner = nullptr;
    for (QLabel* label : labels) {
        if (label->movie() != nullptr) {
            banner = label;
        }
    }
    QVERIFY(banner != nullptr);
    QTest::mouseClick(banner, Qt::LeftButton);
    QCOMPARE(w->opened.size(), std::size_t{1});
    QVERIFY(w->opened.front().isValid());
}

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
