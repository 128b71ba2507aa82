#pragma once

#include <QStatusBar>

class QLabel;

namespace sorvak {

// The message pane and the kana, caps, num and scroll lock indicators.
class MainStatusBar : public QStatusBar {
    Q_OBJECT

  public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    // Shows the prompt of the highlighted entry, or "ﾚﾃﾞｨ" for none.
    void showPrompt(const QString& prompt);
    QString messageText() const;
    // Shows how many QSOs the log holds and how many rows are selected.
    void showCounts(size_t rows, size_t selected);
    QString countText() const;

  private:
    QLabel* message_;
    QLabel* counts_;
};

}  // namespace sorvak
