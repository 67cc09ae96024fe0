#pragma once

#include "ui/Dialogs.h"

#include <QDialog>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <functional>

// A temporary working folder made current, with a fresh store in it. Everything the
// application shares (selection, today, seams) starts as at start-up.
class Fixture {
public:
    // With openStore false the folder stays empty: the test opens (or not) the store itself.
    explicit Fixture(bool openStore = true);
    ~Fixture();

    QString dir() const { return m_dir.path(); }
    bool isOpen() const { return m_open; }

    // Raw statements for setting up rows and reading them back.
    void sql(const QString &statement, const QVariantList &values = {});
    QVariant scalar(const QString &statement, const QVariantList &values = {});
    int count(const QString &table, const QString &where = QString(),
              const QVariantList &values = {});

    void addSeason(int season);
    int addChampionship(const QString &name);
    int addPerson(const QString &name, const QVariant &born = {}, const QVariant &place = {},
                  const QVariant &country = {}, const QVariant &document = {});
    int enrol(int idAna, int season, int camp, const QVariant &role = {});
    int addGame(int season, int camp, const QString &date = QStringLiteral("2024-09-01"),
                int addedTime = 4);
    void addGameRow(int idGara, int idGio, const QString &tipo, const QVariant &minute = {},
                    int valid = 1);
    void addFormation(int idGio, const QString &tipo, int valid = 1);

    // No window opened during the test is still around.
    bool noWindowsLeft() const;

private:
    QTemporaryDir m_dir;
    QString m_oldDir;
    QSet<QWidget *> m_windowsBefore;
    bool m_open = false;
};

// Answers message and input boxes from a script and keeps every call.
class MsgRecorder {
public:
    MsgRecorder();
    ~MsgRecorder();

    QList<ui::MsgCall> calls;
    QList<ui::Answer> answers; // for questions, in order; what Esc answers when it runs out
    QStringList inputAnswers;  // for input boxes, in order; empty when the script runs out
    QStringList inputPrompts;

    bool has(const QString &text) const;
    ui::MsgCall last() const { return calls.isEmpty() ? ui::MsgCall() : calls.last(); }
    QStringList texts() const;
    void clear() { calls.clear(); }
};

// Takes over modal showing: a window with a handler is driven by it, any other closes at
// once. Remembers the objectName of every window shown.
class ModalHook {
public:
    ModalHook();
    ~ModalHook();

    QStringList shown;
    void on(const QString &windowName, std::function<void(QDialog &)> handler);
    template <typename W> void on(std::function<void(W &)> handler)
    {
        on(W::staticMetaObject.className(),
           [handler](QDialog &d) { handler(static_cast<W &>(d)); });
    }

private:
    QHash<QString, std::function<void(QDialog &)>> m_handlers;
};
