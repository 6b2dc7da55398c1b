#include "ui/site/CommentsTab.h"

#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVBoxLayout>

#include "qt/Latin1.h"
#include "ui/widgets/Latin1PlainTextEdit.h"

namespace kelvane {

CommentsTab::CommentsTab(TData& data, Document& document, Prompts& prompts, QWidget* parent)
    : QWidget(parent), data_(data), document_(document) {
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setPlainText(QString::fromLatin1(kCommentsTemplate));
    RichEdit1->setAlignment(Qt::AlignCenter);
    RichEdit1->hide();

    CommentsEdit = new Latin1PlainTextEdit(prompts, this);
    CommentsEdit->setObjectName(QStringLiteral("CommentsEdit"));
    CommentsEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    CommentsEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    CommentsEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Where the family is missing, the platform's sans-serif face stands in.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(19);
    CommentsEdit->setFont(font);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CommentsEdit);
    connect(CommentsEdit, &QPlainTextEdit::textChanged, this, &CommentsTab::CommentsEditChange);
}

void CommentsTab::LoadFromModel() {
    QStringList lines;
    for (const std::string& line : data_.Comments) lines << Latin1(line);
    loading_ = true;
    CommentsEdit->setPlainText(lines.join(QLatin1Char('\n')));
    loading_ = false;
}

void CommentsTab::HoldBackEditing(bool held) {
    CommentsEdit->setReadOnly(held);
}

void CommentsTab::CommentsEditChange() {
    if (loading_) return;
    data_.Comments.clear();
    // An empty editor holds no lines, so its comments file is empty.
    const QString text = CommentsEdit->toPlainText();
    if (!text.isEmpty()) {
        for (const QString& line : text.split(QLatin1Char('\n'))) data_.Comments.push_back(ToLatin1(line));
    }
    document_.Changed("Edit Comments");
}

}  // namespace kelvane
