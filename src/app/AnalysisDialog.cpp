#include "AnalysisDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogButtons.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

struct CheckEntry {
    const char* caption;
    const char* name;
    int ReportSettings::*field;
};

using S = ReportSettings;

const CheckEntry kReports[] = {
    {"QA&Fファイル [結果表, 時間・バンドごとの交信局数、マルチ獲得状況]", "outQAF", &S::outQAF},
    {"QA&Aファイル [バンド別、時間・JAエリアごとの交信局数]", "outQAA", &S::outQAA},
    {"QA&Gファイル [バンド別、時間ごとの交信局数の簡易グラフ]", "outQAG", &S::outQAG},
    {"QA&Mファイル [バンド別、時間ごとの取得マルチプライヤー]", "outQAM", &S::outQAM},
    {"QA&Qファイル [バンド・時間ごとの横形タイムチャート]", "outQAQ", &S::outQAQ},
    {"QA&Dファイル [バンド別の獲得マルチ、マルチマップ]", "outQAD", &S::outQAD},
    {"QC&Nファイル [大陸・バンドごとの交信局数]", "outQCN", &S::outQCN},
    {"QO&Pファイル [オペレータごとの交信局数、取得マルチ]", "outQOP", &S::outQOP},
};

const CheckEntry kOptions[] = {
    {"総得点を&2倍に", "doubleScore", &S::doubleScore},
    {"交信局数\"0\"の時間帯を出力に含める", "includeZeroHours", &S::includeZeroHours},
    {"累計を出力する(&S)", "cumulative", &S::cumulative},
    {"&CWの内数を出力する", "cwSubcount", &S::cwSubcount},
};

}  // namespace

AnalysisDialog::AnalysisDialog(AnalysisForm& form, Ui& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui), multiDataFile_(new QLineEdit) {
    setObjectName("analysisDialog");
    setWindowTitle(QString::fromUtf8("交信データの解析"));
    auto* reports = new QGroupBox(QString::fromUtf8("出力するファイル"));
    auto* reportLayout = new QVBoxLayout(reports);
    for (const CheckEntry& entry : kReports) {
        reportLayout->addWidget(addCheck(entry.caption, entry.name, entry.field));
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(reports);
    for (const CheckEntry& entry : kOptions) {
        layout->addWidget(addCheck(entry.caption, entry.name, entry.field));
    }

    multiDataFile_->setObjectName("multiDataFile");
    multiDataFile_->setMaxLength(AnalysisForm::kMaxPathLength);
    multiDataFile_->setText(QString::fromStdString(form_.settings.multiDataFile));
    auto* label = new QLabel(QString::fromUtf8("マルチデータファイル (*.DA&T)"));
    label->setBuddy(multiDataFile_);
    auto* browseButton = new QPushButton(QString::fromUtf8("参照(&R)"));
    browseButton->setObjectName("browse");
    connect(browseButton, &QPushButton::clicked, this, &AnalysisDialog::browse);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(multiDataFile_);
    fileRow->addWidget(browseButton);
    layout->addWidget(label);
    layout->addLayout(fileRow);
    layout->addWidget(okCancelButtons(this));
}

QCheckBox* AnalysisDialog::addCheck(const char* caption, const char* name, Setting field) {
    auto* check = new QCheckBox(QString::fromUtf8(caption));
    check->setObjectName(name);
    check->setChecked(form_.settings.*field != 0);
    checks_.emplace_back(field, check);
    return check;
}

void AnalysisDialog::browse() {
    if (auto path = ui_.openFileName(AnalysisForm::multiDataFileDialog())) {
        multiDataFile_->setText(QString::fromStdString(*path));
    }
}

void AnalysisDialog::accept() {
    for (const auto& [field, check] : checks_) {
        form_.settings.*field = check->isChecked() ? 1 : 0;
    }
    form_.settings.multiDataFile = multiDataFile_->text().toStdString();
    if (auto failure = form_.check()) {
        ui_.tell(failure->message);
        multiDataFile_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace sorvak
