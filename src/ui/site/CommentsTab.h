#pragma once
#include <QWidget>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

class QPlainTextEdit;
class QTextEdit;

namespace kelvane {

// The Comments page: the site's free comments as plain text. The editor and
// the model's comment lines are kept in step: every change the user makes
// is written to the model at once and marks the document modified; filling
// the editor from the model marks nothing.
class CommentsTab : public QWidget {
    Q_OBJECT
public:
    CommentsTab(TData& data, Document& document, Prompts& prompts, QWidget* parent = nullptr);

    // Shows the model's comment lines in the editor.
    void LoadFromModel();
    // While held, the comments can be read but not edited.
    void HoldBackEditing(bool held);

    QPlainTextEdit* CommentsEdit;
    // The hidden template a new document's comments start from.
    QTextEdit* RichEdit1;

private:
    void CommentsEditChange();

    TData& data_;
    Document& document_;
    bool loading_ = false;
};

}  // namespace kelvane
