#include "ClipboardCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <numeric>

#include "CSorvakView.h"
#include "CommandSet.h"
#include "commands/ListCommands.h"
#include "formats/QsoClipboard.h"
#include "model/CSorvakDoc.h"
#include "platform/LocalClock.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

const QString kQsoType = QString::fromLatin1(kQsoMimeType);

bool holdsQsos(const QMimeData* data) {
    return data && (data->hasFormat(kQsoType) || data->hasText());
}

void copyRows(const CSorvakDoc& doc, const std::vector<size_t>& rows) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(clipboardText(doc, rows)));
    std::string records = clipboardRecords(doc, rows);
    data->setData(kQsoType, QByteArray(records.data(), static_cast<qsizetype>(records.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

// The clipboard's QSOs, or nothing (and the user told why).
std::optional<PastedQsos> clipboardQsos(const CSorvakDoc& doc, Ui& ui, size_t position) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasFormat(kQsoType)) {
        QByteArray bytes = data->data(kQsoType);
        if (auto qsos = qsosFromRecords(std::string_view(bytes.constData(), bytes.size()))) {
            return qsos;
        }
    }
    if (!data || !data->hasText()) {
        ui.tell("ｸﾘｯﾌﾟﾎﾞｰﾄﾞに貼り付けられるQSOがありません。");
        return std::nullopt;
    }
    size_t badLine = 0;
    std::string text = data->text().toStdString();
    auto qsos = qsosFromText(text, pasteYear(doc, position, localClockNow().year), badLine);
    if (!qsos || qsos->empty()) {
        ui.tell(std::string("ｸﾘｯﾌﾟﾎﾞｰﾄﾞの") + (qsos ? "内容" : std::to_string(badLine) + "行目") +
                "はQSOの行ではありません。\n貼り付けられるのは、このﾌﾟﾛｸﾞﾗﾑでｺﾋﾟｰしたQSOか、"
                "一覧と同じ19列をﾀﾌﾞで区切った行です。");
        return std::nullopt;
    }
    return qsos;
}

void OnCopy(CSorvakView& view, const CSorvakDoc& doc) {
    std::vector<size_t> rows = view.selectedRowList();
    if (!rows.empty()) {
        copyRows(doc, rows);
    }
}

void OnCut(CSorvakView& view, CSorvakDoc& doc) {
    std::vector<size_t> rows = view.selectedRowList();
    if (rows.empty()) {
        return;
    }
    copyRows(doc, rows);
    deleteRows(doc, rows);
    view.showRowsDeleted(rows);
}

void OnPaste(CSorvakView& view, CSorvakDoc& doc, Ui& ui) {
    size_t position = view.cursorRow().value_or(doc.count());
    std::optional<PastedQsos> qsos = clipboardQsos(doc, ui, position);
    if (!qsos) {
        return;
    }
    std::vector<size_t> pasted(qsos->size());
    std::iota(pasted.begin(), pasted.end(), position);
    doc.insertRecords(position, std::move(*qsos));
    doc.setModified();
    view.OnUpdate();
    view.selectRows(pasted);
    view.scrollTo(view.model()->index(static_cast<int>(position), 0));
}

}  // namespace

void registerClipboardCommands(CSorvakView& view, CSorvakDoc& doc, Ui& ui, CommandSet& commands) {
    commands.setHandler(Command::EditCopy, [&view, &doc] { OnCopy(view, doc); });
    commands.setHandler(Command::EditCut, [&view, &doc] { OnCut(view, doc); });
    commands.setHandler(Command::EditPaste, [&view, &doc, &ui] { OnPaste(view, doc, ui); });
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto followClipboard = [&commands, clipboard] {
        commands.setEnabled(Command::EditPaste, holdsQsos(clipboard->mimeData()));
    };
    QObject::connect(clipboard, &QClipboard::dataChanged, &commands, followClipboard);
    followClipboard();
}

}  // namespace sorvak
