#include "store/records.h"

#include "store/cp1252.h"
#include "store/dates.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

void putInt16(char* at, qint16 v) {
    qToLittleEndian<qint16>(v, at);
}
qint16 getInt16(const char* at) {
    return qFromLittleEndian<qint16>(at);
}

void putDouble(char* at, double v) {
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    qToLittleEndian<quint64>(bits, at);
}

double getDouble(const char* at) {
    const quint64 bits = qFromLittleEndian<quint64>(at);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void putFloat(char* at, float v) {
    quint32 bits;
    std::memcpy(&bits, &v, sizeof bits);
    qToLittleEndian<quint32>(bits, at);
}

float getFloat(const char* at) {
    const quint32 bits = qFromLittleEndian<quint32>(at);
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

QByteArray fixedText(const QString& text, int width) {
    QByteArray bytes = toCp1252(text).left(width);
    bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

void putRaw(char* at, const QByteArray& raw, int width) {
    std::memset(at, ' ', width);
    std::memcpy(at, raw.constData(), std::min<qsizetype>(raw.size(), width));
}

constexpr int kNumbersAt = 20;
constexpr int kStarsAt = 500;
constexpr int kHitsAt = 740;
constexpr int kDayFilterAt = 766;
constexpr int kBetModeAt = 781;
constexpr int kCreatedAt = 783;
constexpr int kLastCountedAt = 791;

void putInt64(char* at, qint64 v) {
    qToLittleEndian<qint64>(v, at);
}
qint64 getInt64(const char* at) {
    return qFromLittleEndian<qint64>(at);
}

} // namespace

QString PenaRecord::storedName() const {
    return fromCp1252(name);
}
QString PenaRecord::nameText() const {
    return storedName().trimmed();
}
QString PenaRecord::dayFilterText() const {
    return fromCp1252(dayFilter).trimmed();
}
void PenaRecord::setName(const QString& text) {
    name = fixedText(text, kNameWidth);
}
void PenaRecord::setDayFilter(const QString& text) {
    dayFilter = fixedText(text, kDayFilterWidth);
}

int PenaRecord::totalHits() const {
    int total = 0;
    for (qint16 h : hits)
        total += h;
    return total;
}

QByteArray PenaRecord::encode() const {
    QByteArray out(kPenaRecordSize, '\0');
    char* p = out.data();
    putRaw(p, name, kNameWidth);
    for (int b = 0; b < kMaxBets; ++b)
        for (int k = 0; k < kBetNumberSlots; ++k)
            putInt16(p + kNumbersAt + (b * kBetNumberSlots + k) * 2, numbers[b][k]);
    for (int b = 0; b < kMaxBets; ++b)
        for (int k = 0; k < kBetStarSlots; ++k)
            putInt16(p + kStarsAt + (b * kBetStarSlots + k) * 2, stars[b][k]);
    for (int k = 0; k < kCategories; ++k)
        putInt16(p + kHitsAt + k * 2, hits[k]);
    putRaw(p + kDayFilterAt, dayFilter, kDayFilterWidth);
    putInt16(p + kBetModeAt, betMode);
    putDouble(p + kCreatedAt, createdOn);
    putDouble(p + kLastCountedAt, lastCounted);
    return out;
}

PenaRecord PenaRecord::decode(const QByteArray& bytes) {
    PenaRecord r;
    if (bytes.size() < kPenaRecordSize) return r;
    const char* p = bytes.constData();
    r.name = QByteArray(p, kNameWidth);
    for (int b = 0; b < kMaxBets; ++b)
        for (int k = 0; k < kBetNumberSlots; ++k)
            r.numbers[b][k] = getInt16(p + kNumbersAt + (b * kBetNumberSlots + k) * 2);
    for (int b = 0; b < kMaxBets; ++b)
        for (int k = 0; k < kBetStarSlots; ++k)
            r.stars[b][k] = getInt16(p + kStarsAt + (b * kBetStarSlots + k) * 2);
    for (int k = 0; k < kCategories; ++k)
        r.hits[k] = getInt16(p + kHitsAt + k * 2);
    r.dayFilter = QByteArray(p + kDayFilterAt, kDayFilterWidth);
    r.betMode = getInt16(p + kBetModeAt);
    r.createdOn = getDouble(p + kCreatedAt);
    r.lastCounted = getDouble(p + kLastCountedAt);
    return r;
}

bool DrawRecord::isSound() const {
    if (!dateFromOle(drawDate).isValid()) return false;
    for (qint16 n : numbers)
        if (n < 1 || n > 50) return false;
    for (qint16 s : stars)
        if (s < 1 || s > 12) return false;
    return true;
}

QByteArray DrawRecord::encode() const {
    QByteArray out(kDrawRecordSize, '\0');
    char* p = out.data();
    for (int k = 0; k < 5; ++k)
        putInt16(p + k * 2, numbers[k]);
    for (int k = 0; k < 2; ++k)
        putInt16(p + 10 + k * 2, stars[k]);
    putDouble(p + 14, drawDate);
    return out;
}

DrawRecord DrawRecord::decode(const QByteArray& bytes) {
    DrawRecord r;
    if (bytes.size() < kDrawRecordSize) return r;
    const char* p = bytes.constData();
    for (int k = 0; k < 5; ++k)
        r.numbers[k] = getInt16(p + k * 2);
    for (int k = 0; k < 2; ++k)
        r.stars[k] = getInt16(p + 10 + k * 2);
    r.drawDate = getDouble(p + 14);
    return r;
}

float SettingsRecord::correctionX() const {
    return getFloat(raw.constData() + 4);
}
float SettingsRecord::correctionY() const {
    return getFloat(raw.constData() + 8);
}
void SettingsRecord::setCorrectionX(float mm) {
    putFloat(raw.data() + 4, mm);
}
void SettingsRecord::setCorrectionY(float mm) {
    putFloat(raw.data() + 8, mm);
}

bool isMultipleMode(int mode) {
    return mode > 100;
}

int modeNumbers(int mode) {
    return isMultipleMode(mode) ? (mode - 100) / 10 : 5;
}

int modeStars(int mode) {
    return isMultipleMode(mode) ? mode - 100 - 10 * ((mode - 100) / 10) : 2;
}

int modeRows(int mode) {
    return isMultipleMode(mode) ? 1 : mode;
}

int multipleMode(int numbers, int stars) {
    return 100 + 10 * numbers + stars;
}

bool isValidBetMode(int mode) {
    if (mode >= 1 && mode <= kMaxBets) return true;
    if (!isMultipleMode(mode)) return false;
    const int n = modeNumbers(mode);
    const int s = modeStars(mode);
    return n >= 5 && n <= 10 && s >= 2 && s <= 5 && !(n == 5 && s == 2);
}

bool isSoundPena(const PenaRecord& pena) {
    if (!isValidBetMode(pena.betMode)) return false;
    const int rows = modeRows(pena.betMode);
    const int n = modeNumbers(pena.betMode);
    const int s = modeStars(pena.betMode);
    for (int b = 0; b < rows; ++b) {
        for (int k = 0; k < n; ++k)
            if (pena.numbers[b][k] < 1 || pena.numbers[b][k] > 50) return false;
        for (int k = 0; k < s; ++k)
            if (pena.stars[b][k] < 1 || pena.stars[b][k] > 12) return false;
    }
    return true;
}

bool PrizeRecord::known() const {
    for (const qint64 c : cents)
        if (c >= 0) return true;
    return false;
}

bool PrizeRecord::isSound() const {
    if (!dateFromOle(drawDate).isValid() || drawDate != std::floor(drawDate)) return false;
    for (const qint64 c : cents)
        if (c < kUnknown) return false;
    return true;
}

QByteArray PrizeRecord::encode() const {
    QByteArray out(kPrizeRecordSize, '\0');
    putDouble(out.data(), drawDate);
    for (int k = 0; k < 13; ++k)
        putInt64(out.data() + 8 + k * 8, cents[std::size_t(k)]);
    return out;
}

PrizeRecord PrizeRecord::decode(const QByteArray& bytes) {
    PrizeRecord r;
    if (bytes.size() < kPrizeRecordSize) return r;
    r.drawDate = getDouble(bytes.constData());
    for (int k = 0; k < 13; ++k)
        r.cents[std::size_t(k)] = getInt64(bytes.constData() + 8 + k * 8);
    return r;
}
