#pragma once

#include <QByteArray>
#include <QtEndian>

#include <bit>

// Appends integers and doubles to a byte array in little-endian order, the
// byte order of the compound file and of every workbook record.
class LittleEndianWriter {
public:
    explicit LittleEndianWriter(QByteArray &out) : m_out(out) {}

    void u8(quint8 value) { m_out.append(char(value)); }
    void u16(quint16 value) { append(qToLittleEndian(value)); }
    void u32(quint32 value) { append(qToLittleEndian(value)); }
    void f64(double value) { append(qToLittleEndian(std::bit_cast<quint64>(value))); }
    void bytes(const QByteArray &data) { m_out.append(data); }
    void zeros(qsizetype count) { m_out.append(count, '\0'); }

private:
    template <typename T>
    void append(T value) { m_out.append(reinterpret_cast<const char *>(&value), sizeof value); }

    QByteArray &m_out;
};
