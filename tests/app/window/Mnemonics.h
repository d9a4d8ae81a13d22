#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStringList>
#include <map>

/// The window's keyboard keys (Alt+letter) as its captions mark them with "&": the buttons and
/// boxes, the labels that lead to a control, the group titles and the menus. Returns the captions
/// whose key another caption took first; `keys` gets every key taken.
inline QStringList mnemonicClashes(const QMainWindow& window, std::map<QChar, QString>& keys)
{
    QStringList clashes;
    const auto take = [&](const QString& text) {
        const qsizetype mark = text.indexOf(QLatin1Char('&'));
        if (mark < 0 || mark + 1 >= text.size())
            return;
        const QChar key = text.at(mark + 1).toLower();
        if (keys.count(key))
            clashes << text + QStringLiteral(" and ") + keys[key];
        keys[key] = text;
    };
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        take(button->text());
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr)
            take(label->text());
    }
    for (const QGroupBox* box : window.findChildren<QGroupBox*>())
        take(box->title());
    for (const QAction* menu : window.menuBar()->actions())
        take(menu->text());
    return clashes;
}
