#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// Fixed-length records of the data files. In memory the fields are plain
// values; encode()/decode() produce and read the exact little-endian disk
// image, field by field.

constexpr int kPenaRecordSize = 799;
constexpr int kDrawRecordSize = 22;
constexpr int kSettingsRecordSize = 14;
constexpr int kPrizeRecordSize = 112;
// Record numbers are 16-bit signed: at most 32 766 records per file.
constexpr int kMaxRecords = 32766;

constexpr int kMaxBets = 24;
constexpr int kBetNumberSlots = 10;
constexpr int kBetStarSlots = 5;
constexpr int kCategories = 13;
constexpr int kNameWidth = 20;
constexpr int kDayFilterWidth = 15;

struct PenaRecord {
    QByteArray name; // raw Windows-1252 bytes, kNameWidth wide once stored
    std::array<std::array<qint16, kBetNumberSlots>, kMaxBets> numbers{}; // [bet][position]
    std::array<std::array<qint16, kBetStarSlots>, kMaxBets> stars{};
    std::array<qint16, kCategories> hits{}; // [category - 1]
    QByteArray dayFilter;                   // raw, kDayFilterWidth wide once stored
    qint16 betMode = 0;
    double createdOn = 0;
    double lastCounted = 0;

    // The stored 20-character name as shown in the results lists (spaces kept).
    QString storedName() const;
    QString nameText() const;      // trimmed
    QString dayFilterText() const; // trimmed
    void setName(const QString& text);
    void setDayFilter(const QString& text);
    int totalHits() const;

    QByteArray encode() const;
    static PenaRecord decode(const QByteArray& bytes);
};

struct DrawRecord {
    std::array<qint16, 5> numbers{};
    std::array<qint16, 2> stars{};
    double drawDate = 0;

    // Numbers 1..50, stars 1..12 and a date that is a day: a draw that can
    // be counted.
    bool isSound() const;
    QByteArray encode() const;
    static DrawRecord decode(const QByteArray& bytes);
};

// One draw's prizes, 112 bytes, record n of "premios.dat" in date order: the
// draw's date as in numeros.dat, then the prize of one winning bet of each
// official category of that draw, in euro cents, signed 64-bit little-endian,
// in the official order of its time; -1 where the category did not exist or
// the prize is not known.
struct PrizeRecord {
    static constexpr qint64 kUnknown = -1;
    double drawDate = 0;
    std::array<qint64, 13> cents{kUnknown, kUnknown, kUnknown, kUnknown, kUnknown,
                                 kUnknown, kUnknown, kUnknown, kUnknown, kUnknown,
                                 kUnknown, kUnknown, kUnknown};

    bool known() const; // some category's prize is known
    // A real day and no prize below -1.
    bool isSound() const;
    QByteArray encode() const;
    static PrizeRecord decode(const QByteArray& bytes);
    bool operator==(const PrizeRecord&) const = default;
};

// Record 1 of "nums.ini": the printer margin corrections; the reserved bytes
// are written back exactly as read.
struct SettingsRecord {
    QByteArray raw = QByteArray(kSettingsRecordSize, '\0');
    float correctionX() const;
    float correctionY() const;
    void setCorrectionX(float mm);
    void setCorrectionY(float mm);
};

// BetMode: 1..24 simple bets; 100 + 10 n + s one multiple bet.
bool isMultipleMode(int mode);
bool isValidBetMode(int mode);
int modeNumbers(int mode); // numbers per bet
int modeStars(int mode);   // stars per bet
int modeRows(int mode);    // bet rows used
int multipleMode(int numbers, int stars);

// A record whose mode and used slots all make sense; anything else is a
// damaged "apuestas.dat".
bool isSoundPena(const PenaRecord& pena);
