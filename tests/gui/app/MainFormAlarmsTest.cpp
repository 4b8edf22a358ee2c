// Reminders in the real window: marking by a click, the alarm list and its popup, the
// week question and the reminder at its time, with the reminder library recorded.
#include "WindowHarness.h"

#include <QAction>
#include <QMenu>
#include <QRegularExpression>

using namespace kanavo;

class MainFormAlarmsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { w = std::make_unique<test::WindowHarness>(); }
    void cleanup() { w.reset(); }

    void clickMarksAndUnmarksAFutureProgramme();
    void popupDeletesOneOrAll();
    void weekQuestionIsAskedOnce();
    void dueReminderFiresOnceWithItsLogo();
    void reminderWithAlarmsOffIsDroppedSilently();

private:
    // Hovers row `row` of the listing and presses the left button on it.
    void clickRow(int row, Qt::MouseButton button = Qt::LeftButton) {
        TTarnList* list = w->listing();
        const QPoint at(list->width() / 2, list->rowRect(row).center().y());
        // From elsewhere, so the list sees a move onto the row even after a new listing.
        QTest::mouseMove(list, at + QPoint(1, list->ItemHeight()));
        QTest::mouseMove(list, at);
        QTest::mousePress(list, button, Qt::NoModifier, at);
        QTest::mouseRelease(list, button, Qt::NoModifier, at);
    }
    QStringList alarmListTexts() {
        w->child<QAction>("MenuViewAlarmAll")->trigger();
        return w->listing()->Lines4();
    }
    static const char* kAlarmSettings;

    std::unique_ptr<test::WindowHarness> w;
};

// One reminder for 20:45 on the first channel, ten minutes ahead.
const char* MainFormAlarmsTest::kAlarmSettings = "[Setup alarm]\r\n"
                                                 "Alarm=1\r\n"
                                                 "Alarm minute=10\r\n"
                                                 "Alarm count=1\r\n"
                                                 "Alarm1time=09.12.2026 20:45\r\n"
                                                 "Alarm1canal=Первый канал\r\n"
                                                 "Alarm1description=Вечерний фильм\r\n"
                                                 "Alarm1Type=1\r\n";

void MainFormAlarmsTest::clickMarksAndUnmarksAFutureProgramme() {
    QVERIFY(w->start());
    QTest::mouseClick(w->child<TTarnGlyphButton>("ButtonDay4"), Qt::LeftButton); // Friday: all to come
    const QString title = w->listing()->Lines4().at(0);
    clickRow(0, Qt::RightButton);
    QCOMPARE(w->listing()->ImageIndex1(0), -1);
    clickRow(0);
    QCOMPARE(w->listing()->ImageIndex1(0), 30);
    QCOMPARE(alarmListTexts(), QStringList{title});
    QCOMPARE(w->heading(), QStringLiteral("Список передач, на которых установлено оповещение."));

    QTest::mouseClick(w->child<TTarnGlyphButton>("ButtonDay4"), Qt::LeftButton);
    // The bell comes back with the listing.
    QCOMPARE(w->listing()->ImageIndex1(0), 30);
    clickRow(0);
    QCOMPARE(w->listing()->ImageIndex1(0), -1);
    QCOMPARE(alarmListTexts(),
             QStringList{QStringLiteral("Оповещение ни на какие передачи не установлено.")});
}

void MainFormAlarmsTest::popupDeletesOneOrAll() {
    QVERIFY(w->start());
    QTest::mouseClick(w->child<TTarnGlyphButton>("ButtonDay4"), Qt::LeftButton);
    const QStringList titles = w->listing()->Lines4();
    clickRow(0);
    clickRow(1);
    clickRow(2);
    QCOMPARE(alarmListTexts(), (QStringList{titles.at(0), titles.at(1), titles.at(2)}));

    auto* popup = w->child<QMenu>("MenuAlarm");
    QCOMPARE(w->listing()->PopupMenu(), popup);
    QTest::mouseMove(w->listing(), QPoint(10, w->listing()->rowRect(1).center().y()));
    QMetaObject::invokeMethod(popup, "aboutToShow");
    auto* deleteOne = w->child<QAction>("MenuAlarmDel");
    QVERIFY(deleteOne->isVisible());
    // "Удалить " + column 1 + " HH:NN " + the title, cut 60 characters after column 1.
    const QString prefix = QStringLiteral("Удалить Первый канал, пятница (11.12.2026) ");
    const QString caption = deleteOne->text();
    QVERIFY2(caption.startsWith(prefix), qPrintable(caption));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d $"))
                .match(caption.mid(prefix.size(), 6))
                .hasMatch());
    QVERIFY(titles.at(1).startsWith(caption.mid(prefix.size() + 6).remove(QStringLiteral("..."))));
    deleteOne->trigger();
    QCOMPARE(w->listing()->Lines4(), (QStringList{titles.at(0), titles.at(2)}));

    w->child<QAction>("MenuAlarmDelAll")->trigger();
    QCOMPARE(w->listing()->Lines4(),
             QStringList{QStringLiteral("Оповещение ни на какие передачи не установлено.")});
    QVERIFY(w->listing()->PopupMenu() == nullptr);
}

void MainFormAlarmsTest::weekQuestionIsAskedOnce() {
    w->clock.value = encodeDate(2026, 12, 16) + encodeTime(12, 0); // the week after the file's
    w->messages.answer = false;
    QVERIFY(w->start());
    w->tick(5);
    QCOMPARE(w->messages.shown, QStringList{QStringLiteral("Не найдена ТВ программа на текущую неделю.\r\n"
                                                           "Хотите Вы скачать её сейчас?")});
}

void MainFormAlarmsTest::dueReminderFiresOnceWithItsLogo() {
    w->writeSettings(kAlarmSettings);
    QVERIFY(w->start());
    w->tick(3);
    QVERIFY(w->reminders.calls.empty());
    w->clock.value = encodeDate(2026, 12, 9) + encodeTime(20, 35, 0, 1); // just past the lead
    w->tick(5);
    QCOMPARE(w->reminders.calls.size(), std::size_t{1});
    const test::RecordedReminder& call = w->reminders.calls.front();
    QCOMPARE(call.channel, QStringLiteral("Первый канал"));
    QCOMPARE(call.hour, 20);
    QCOMPARE(call.minute, 45);
    QCOMPARE(call.text, QStringLiteral("Вечерний фильм"));
    QVERIFY(call.hasLogo);
    QCOMPARE(alarmListTexts(),
             QStringList{QStringLiteral("Оповещение ни на какие передачи не установлено.")});
}

void MainFormAlarmsTest::reminderWithAlarmsOffIsDroppedSilently() {
    QByteArray settings(kAlarmSettings);
    settings.replace("Alarm=1", "Alarm=0");
    w->writeSettings(settings.constData());
    QVERIFY(w->start());
    QVERIFY(!w->child<QMenu>("MenuViewAlarm")->menuAction()->isVisible());
    w->clock.value = encodeDate(2026, 12, 9) + encodeTime(20, 50);
    w->tick(5);
    QVERIFY(w->reminders.calls.empty());
    QVERIFY(w->messages.shown.isEmpty());
    QCOMPARE(alarmListTexts(),
             QStringList{QStringLiteral("Оповещение ни на какие передачи не установлено.")});
}

QTEST_MAIN(MainFormAlarmsTest)
#include "MainFormAlarmsTest.moc"
