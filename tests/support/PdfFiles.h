#pragma once
#include <QByteArray>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <optional>

namespace kelvane::test {

// The number of pages of a PDF file's bytes.
inline int CountPdfPages(const QByteArray& pdf) {
    static const QRegularExpression kPage(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    int pages = 0;
    for (auto match = kPage.globalMatch(QString::fromLatin1(pdf)); match.hasNext(); match.next()) ++pages;
    return pages;
}

// The text of the PDF file at `path` as pdftotext reads it; nullopt when
// pdftotext is not installed.
inline std::optional<QString> PdfText(const QString& path) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) return std::nullopt;
    QProcess reader;
    reader.start(pdftotext, {path, QStringLiteral("-")});
    reader.waitForFinished(10000);
    return QString::fromUtf8(reader.readAllStandardOutput());
}

}  // namespace kelvane::test
