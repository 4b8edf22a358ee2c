// The real main window on the offscreen platform, with a home folder of its own holding a
// sample week, its own settings file and a fixed clock: what a person sees after each
// command, read from the listing and its heading.
#include "MainForm.h"
#include "SampleWeek.h"
#include "TarnGlyphButton.h"
#include "TarnList.h"
#include "TestFiles.h"
#include "base/Cp1251.h"
#include "schedule/WeeklyFile.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace kanavo;

namespace {

struct FixedClock : Clock {
    TDateTime value = 0;
    TDateTime now() const override { return value; }
};

// Message boxes answered ahead of time, and what they said.
struct AnsweredMessages : UserMessages {
    void showMessage(const std::string& text) override {
        shown << QString::fromStdString(cp1251::toUtf8(text));
    }
    bool askYesNo(const std::string& text) override {
        showMessage(text);
        return answer;
    }
    QStringList shown;
    bool answer = true;
};

const TDateTime kMonday = encodeDate(2026, 12, 7);

} // namespace

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
    void start();
    template <typename T> T* child(const char* name) {
        T* found = m_form->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) {
            qFatal("no child %s", name);
        }
        return found;
    }
    QString heading() { return child<QLabel>("LabelDay")->text(); }
    TTarnList* listing() { return child<TTarnList>("TarnList3"); }
    QString channelShown() { return child<QToolButton>("ButtonCanal")->text(); }
    void writeSettings(const char* text) { test::writeText(m_home->path() / "Kanavo2.ini", text); }

    std::unique_ptr<test::ScratchFolder> m_home;
    FixedClock m_clock;
    AnsweredMessages m_messages;
    std::vector<QUrl> m_opened;
    std::unique_ptr<TMainForm> m_form;
    bool m_shotTaken = false;
};

void MainFormTest::init() {
    m_home = std::make_unique<test::ScratchFolder>("kanavo-window");
    test::writeBytes(m_home->path() / "TV" / "week.knv",
                     writeWeeklyFile(kMonday, makeSampleWeek(kMonday, 6)));
    m_clock.value = encodeDate(2026, 12, 9) + encodeTime(20, 30); // Wednesday evening
    m_messages = AnsweredMessages();
    m_opened.clear();
}

void MainFormTest::cleanup() {
    if (m_form) {
        m_messages.answer = true;
        m_form->close();
        m_form.reset();
    }
    m_home.reset();
}

void MainFormTest::start() {
    AppContext context;
    context.programDir = m_home->path() / "";
    context.settingsFile = m_home->path() / "Kanavo2.ini";
    context.clock = &m_clock;
    context.messages = &m_messages;
    context.openUrl = [this](const QUrl& url) { m_opened.push_back(url); };
    context.autostartFolder = m_home->path() / "autostart";
    m_form = std::make_unique<TMainForm>(context);
    m_form->resize(1280, 800);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    // For a person checking the look: KANAVO_SCREENSHOT=FILE.png saves the first window.
    if (const QByteArray file = qgetenv("KANAVO_SCREENSHOT"); !file.isEmpty() && !m_shotTaken) {
        m_shotTaken = m_form->grab().save(QString::fromLocal8Bit(file));
    }
}

void MainFormTest::opensOnNowWhenTheWeekHoldsToday() {
    start();
    QCOMPARE(heading(), QStringLiteral("Программа передач, идущих по всем каналам сейчас, 09.12.2026 года."));
    QVERIFY(child<TTarnGlyphButton>("ButtonDay8")->isVisible());
    QVERIFY(child<TTarnGlyphButton>("ButtonDay8")->Down());
    QVERIFY(listing()->Lines4().size() >= 1);
    QCOMPARE(channelShown(), QStringLiteral("Все каналы"));
    QVERIFY(m_messages.shown.isEmpty());
}

void MainFormTest::opensOnMondayOtherwise() {
    m_clock.value = encodeDate(2026, 12, 16) + encodeTime(12, 0);
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
    m_clock.value = encodeDate(2026, 12, 16) + encodeTime(12, 0); // Monday view, first channel
    start();
    QTest::keyClick(m_form.get(), Qt::Key_Right);
    QCOMPARE(channelShown(), QStringLiteral("Россия"));
    QTest::keyClick(m_form.get(), Qt::Key_Left);
    QTest::keyClick(m_form.get(), Qt::Key_Left);
    QVERIFY(heading().contains(channelShown()));
    QVERIFY(channelShown() != QStringLiteral("Первый канал") && channelShown() != QStringLiteral("Россия"));
}

void MainFormTest::closeSavesAndAsksOnlyWhenConfirmQuit() {
    start();
    const auto file = m_home->path() / "Kanavo2.ini";
    m_messages.answer = false;
    m_form->close();
    QVERIFY(m_form->isVisible());
    QVERIFY(std::filesystem::exists(file));
    QCOMPARE(m_messages.shown, QStringList{QStringLiteral("Вы действительно хотите выйти из программы?")});

    m_form.reset();
    m_messages.shown.clear();
    writeSettings("[Setup option]\r\nConfirm quit=0\r\n");
    start();
    m_form->close();
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_messages.shown.isEmpty());
}

void MainFormTest::secondBuiltInSkinHasSmallFastChannels() {
    test::writeBytes(m_home->path() / "TV" / "week.knv",
                     writeWeeklyFile(kMonday, makeSampleWeek(kMonday, 40)));
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
    const auto labels = m_form->findChildren<QLabel*>();
    QLabel* banner = nullptr;
    for (QLabel* label : labels) {
        if (label->movie() != nullptr) {
            banner = label;
        }
    }
    QVERIFY(banner != nullptr);
    QTest::mouseClick(banner, Qt::LeftButton);
    QCOMPARE(m_opened.size(), std::size_t{1});
    QVERIFY(m_opened.front().isValid());
}

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
