#pragma once

#include <QString>
#include <exception>

// The one failure type of the program: raised anywhere, it ends the handler it
// arose in and its text is shown by the application's default failure handler.
class Failure : public std::exception {
public:
    explicit Failure(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
    const QString &text() const { return m_text; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};
