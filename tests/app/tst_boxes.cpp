#include "app/Velmora.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "ui/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>

// The real message boxes, answered from the keyboard as a user does.
class BoxesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

    // Shows the box and presses key in it as soon as it is up; returns the answer and the
    // captions of its buttons.
    static ui::Answer answerWith(ui::Style style, Qt::Key key, QStringList *captions = nullptr)
    {
        QTimer::singleShot(0, [=] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (captions)
                for (QAbstractButton *b : box->buttons())
                    *captions << b->text().remove(u'&');
            QTest::keyClick(box, key);
        });
        return ui::msgBox(QStringLiteral("Domanda ?"), style, QStringLiteral("AVVISO"));
    }

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>(false);
        installItalian(*qApp);
    }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void keysAnswerAsTheStyleSays_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::newRow("yes/no, Return")
            << int(ui::YesNo) << int(Qt::Key_Return) << int(ui::Answer::Yes);
        QTest::newRow("yes/no, Esc")
            << int(ui::YesNo) << int(Qt::Key_Escape) << int(ui::Answer::No);
        QTest::newRow("deletion, Return")
            << int(ui::YesNo | ui::DefaultSecond) << int(Qt::Key_Return) << int(ui::Answer::No);
        QTest::newRow("save, Return")
            << int(ui::YesNoCancel) << int(Qt::Key_Return) << int(ui::Answer::Yes);
        QTest::newRow("save, Esc")
            << int(ui::YesNoCancel) << int(Qt::Key_Escape) << int(ui::Answer::Cancel);
        QTest::newRow("retry, Return")
            << int(ui::RetryExit) << int(Qt::Key_Return) << int(ui::Answer::Retry);
        QTest::newRow("retry, Esc")
            << int(ui::RetryExit) << int(Qt::Key_Escape) << int(ui::Answer::Exit);
        QTest::newRow("ok, Return")
            << int(ui::OkOnly) << int(Qt::Key_Return) << int(ui::Answer::Ok);
    }
    void keysAnswerAsTheStyleSays()
    {
        QFETCH(int, style);
        QFETCH(int, key);
        QFETCH(int, answer);
        QCOMPARE(int(answerWith(ui::Style(style | ui::Question), Qt::Key(key))), answer);
    }

    void buttonsSpeakItalian()
    {
        QStringList captions;
        answerWith(ui::YesNoCancel, Qt::Key_Escape, &captions);
        captions.sort();
        QCOMPARE(captions.join(u'|'), QStringLiteral("Annulla|No|Sì"));
        captions.clear();
        answerWith(ui::RetryExit, Qt::Key_Escape, &captions);
        captions.sort();
        QCOMPARE(captions.join(u'|'), QStringLiteral("Esci|Riprova"));
    }
};

VELMORA_TEST(BoxesTest)
#include "tst_boxes.moc"
