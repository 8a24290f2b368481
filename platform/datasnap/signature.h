#pragma once

#include <QList>
#include <QString>

namespace datasnap {

// Declared kinds of server-method parameters and results.
enum class TDSType {
    None, // result only: the method returns nothing
    String,
    Integer,
    Int64,
    Double,
    Boolean,
    Record,   // a marshalled object of `recordClass`
    Callback, // parameter only
    RowTable, // result only
    DataPacket,
    Stream,
    JsonArray,
};

QString TypeName(TDSType type);

struct TDSParamSig {
    QString name;
    TDSType type = TDSType::String;
    bool out = false;
    QString recordClass; // qualified class name for Record
};

// One server method: its name, parameters in declaration order and its result.
struct TDSMethodSignature {
    QString name;
    QList<TDSParamSig> params;
    TDSType result = TDSType::None;
    QString resultClass; // qualified class name for a Record result

    int OutCount() const;
    bool HasResult() const { return result != TDSType::None; }
};

} // namespace datasnap
