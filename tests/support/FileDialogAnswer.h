// Answers the program's file dialogs in window tests, the same way whatever the machine's load.
//
// Qt's own file dialog keeps two answers: the rows selected in its list and the name in its field, and
// the selection wins. Both change behind a test's back: QFileDialog::selectFile() leaves the field as
// it is once the field has the focus (so whether a name "typed" that way counts depends on whether the
// window had been activated yet), and the file the program suggests is selected in the list when the
// dialog's folder model, which reads in a thread of its own, reaches it. ChooseInFileDialog sets the
// folder, empties the selection and writes the name into the field itself, then checks that the dialog
// now answers exactly that file before pressing its button.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTimer>

#include <functional>
#include <memory>

// Chooses `path` in `dialog` as a user who types its name does, and presses Open or Save. Returns what
// kept the dialog from answering that file, or an empty text.
inline QString ChooseInFileDialog(QFileDialog* dialog, const QString& path)
{
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name == nullptr)
        return QStringLiteral("the file dialog has no file name field");
    const QFileInfo file(path);
    dialog->setDirectory(file.absolutePath()); // the dialog's own folder model: set at once, read later
    for (QAbstractItemView* view : dialog->findChildren<QAbstractItemView*>())
        if (view->selectionModel() != nullptr)
            view->selectionModel()->clearSelection();
    name->setText(file.fileName());
    // Typing the name of an existing file selects it in the list: the same file, so no harm. A name
    // without a dot gets the dialog's default ending.
    QString expected = file.absoluteFilePath();
    if (!file.fileName().contains(u'.') && !dialog->defaultSuffix().isEmpty() && !file.isDir())
        expected += u'.' + dialog->defaultSuffix();
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.size() != 1 || QFileInfo(chosen.constFirst()).absoluteFilePath() != expected)
        return QStringLiteral("the file dialog would answer %1 instead of %2")
            .arg(chosen.join(QStringLiteral(", ")), expected);
    static_cast<QDialog*>(dialog)->accept(); // the Open or Save button
    return {};
}

// What the next file dialog showed before it was answered.
struct FileDialogSeen {
    bool answered = false;
    QString folder;        // the folder it opened in
    QString suggestedName; // the name in its field as it opened
    QStringList filters;
    QString problem; // why it could not be answered as asked, else empty
};

// Answers the next file dialog the program opens, from inside its loop: `before` (if any) sees it as the
// program set it up, then `path` is chosen, or with an empty `path` the dialog is cancelled. The result
// fills in once the dialog has been answered. A dialog that does not become answerable within a minute
// is cancelled, so that a failing test ends rather than hangs.
inline std::shared_ptr<FileDialogSeen> AnswerFileDialog(const QString& path,
                                                        std::function<void(QFileDialog*)> before = {})
{
    auto seen = std::make_shared<FileDialogSeen>();
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, path, before, seen] {
        // Whether the window has been activated yet (its field focused) makes no difference to the answer.
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible())
            return;
        timer->deleteLater();
        seen->folder = QDir(dialog->directory()).absolutePath();
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            seen->suggestedName = name->text();
        seen->filters = dialog->nameFilters();
        if (before)
            before(dialog);
        if (path.isEmpty()) {
            dialog->reject();
        } else {
            seen->problem = ChooseInFileDialog(dialog, path);
            if (!seen->problem.isEmpty())
                dialog->reject();
        }
        seen->answered = true;
    });
    timer->start(10);
    QTimer::singleShot(60000, timer, [timer, seen] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
        seen->problem = QStringLiteral("no file dialog to answer within a minute");
        timer->deleteLater();
    });
    return seen;
}
