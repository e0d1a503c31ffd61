#include "ui/typing_aids.h"

#include <QTest>

using namespace lt;

// The hex-with-colon rule as a function of a box's text and selection; how
// the text reaches it in a real box is test_text_entry_x11's.
class TypingAidsTest : public QObject
{
    Q_OBJECT
private slots:
    void hexColonTyping()
    {
        EditState s;
        for (int key : {'0', 'a', '1', 'F'})
            s = hexColonKey(s, key);
        QCOMPARE(s.text, QStringLiteral("0A:1F:"));
        s = {};
        for (int key : {'1', '2', 'A', 'B'})
            s = hexColonKey(s, key);
        QCOMPARE(s.text, QStringLiteral("12:AB:"));
        // A dropped key still runs the colon rule.
        s = {QStringLiteral("12:A"), 4, 0};
        s = hexColonKey(s, 'z');
        QCOMPARE(s.text, QStringLiteral("12:A"));
        s = {QStringLiteral("12:AB:3"), 7, 0};
        s = hexColonKey(s, 8);
        QCOMPARE(s.text, QStringLiteral("12:AB:"));
        // A typed character replaces the selection; append mode always goes to the end.
        s = hexColonKey({QStringLiteral("12:AB:"), 0, 1}, 'c');
        QCOMPARE(s.text, QStringLiteral("C2:AB:"));
        s = hexColonKey({QStringLiteral("1"), 0, 0}, '2', true);
        QCOMPARE(s.text, QStringLiteral("12:"));
    }
};

QTEST_GUILESS_MAIN(TypingAidsTest)
#include "test_typing_aids.moc"
