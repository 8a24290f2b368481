// The remote-call framework's stand-in: JSON writing, wire tables, the data set and its source.
#include "platform/datasnap/dataset.h"
#include "platform/datasnap/datasource.h"
#include "platform/datasnap/dsexception.h"
#include "platform/datasnap/jsonreader.h"
#include "platform/datasnap/jsonwriter.h"
#include "platform/datasnap/tablecodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

using namespace datasnap;

namespace {

TDSTable AllTypesTable() {
    TDSTable t;
    t.columns = {{QStringLiteral("I32"), TFieldType::Int32},    {QStringLiteral("I64"), TFieldType::Int64},
                 {QStringLiteral("D"), TFieldType::Double},     {QStringLiteral("C"), TFieldType::Currency},
                 {QStringLiteral("B"), TFieldType::BCD},        {QStringLiteral("S"), TFieldType::WideString, 100},
                 {QStringLiteral("BOOL"), TFieldType::Boolean}, {QStringLiteral("DT"), TFieldType::Date},
                 {QStringLiteral("DTT"), TFieldType::DateTime}, {QStringLiteral("BL"), TFieldType::Blob}};
    t.rows.push_back({-7, qint64(9007199254740000), 120.5, 3.25, 0.1, QStringLiteral("FREN BALATASI \"ÖN\"\n"), true,
                      46000.0, 46000.75, QByteArray("\x00\xff\x10", 3)});
    t.rows.push_back({QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
                      QVariant(), QVariant()});
    return t;
}

TDSTable RoundTrip(const TDSTable& table) {
    TJsonWriter w;
    WriteTable(w, table);
    const QJsonDocument doc = QJsonDocument::fromJson(w.Bytes());
    return ReadTable(doc.object());
}

// Both decoders of a wire table: from the text itself and from Qt's document tree.
TDSTable FromText(const QByteArray& json) {
    return ReadTable(QByteArrayView(json));
}

TDSTable FromDocument(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw TDSException(error.errorString());
    return ReadTable(doc.object());
}

// Same columns, and the same cells: same kind, same value, and for texts the same null-ness.
void CompareTables(const TDSTable& actual, const TDSTable& expected) {
    QCOMPARE(actual.columns.size(), expected.columns.size());
    for (int i = 0; i < expected.columns.size(); ++i) {
        QCOMPARE(actual.columns[i].name, expected.columns[i].name);
        QCOMPARE(actual.columns[i].type, expected.columns[i].type);
        QCOMPARE(actual.columns[i].size, expected.columns[i].size);
    }
    QCOMPARE(actual.rows.size(), expected.rows.size());
    for (size_t r = 0; r < expected.rows.size(); ++r) {
        for (int i = 0; i < expected.columns.size(); ++i) {
            const QVariant& a = actual.rows[r][i];
            const QVariant& e = expected.rows[r][i];
            const QByteArray where = QByteArray::number(r) + ", " + expected.columns[i].name.toUtf8();
            QVERIFY2(a.metaType() == e.metaType(), where.constData());
            QVERIFY2(a == e, where.constData());
            if (e.typeId() == QMetaType::QString)
                QVERIFY2(a.toString().isNull() == e.toString().isNull(), where.constData());
        }
    }
}

TClientDataSet* FilledDataSet(QObject* parent) {
    auto* ds = new TClientDataSet(parent);
    TDSTable t;
    t.columns = {{QStringLiteral("SIRANO"), TFieldType::Int32},
                 {QStringLiteral("ADI"), TFieldType::WideString},
                 {QStringLiteral("FIYAT"), TFieldType::Double}};
    t.rows = {{1, QStringLiteral("A"), 1.5}, {2, QStringLiteral("B"), 2.5}, {3, QStringLiteral("C"), 3.5}};
    ds->CopyFromTable(t);
    return ds;
}

} // namespace

class TstDatasnap : public QObject {
    Q_OBJECT
private slots:
    void writerKeepsKeyOrderAndEscapes() {
        TJsonWriter w;
        w.BeginObject();
        w.Key("z");
        w.Int(1);
        w.Key("a");
        w.String(u"x\"\\\u0001y");
        w.Key("m");
        w.BeginArray();
        w.Bool(true);
        w.Null();
        w.Double(0.1);
        w.EndArray();
        w.EndObject();
        const QByteArray expected = "{\"z\":1,\"a\":\"x\\\"\\\\\\u0001y\",\"m\":[true,null,0.1]}";
        QCOMPARE(w.Bytes(), expected);
    }

    void writerRefusesNonFiniteNumbers() {
        TJsonWriter w;
        QVERIFY_THROWS_EXCEPTION(TDSException, w.Double(std::numeric_limits<double>::quiet_NaN()));
        QVERIFY_THROWS_EXCEPTION(TDSException, w.Double(std::numeric_limits<double>::infinity()));
    }

    void everyColumnTypeAndNullRoundTrips() {
        const TDSTable original = AllTypesTable();
        const TDSTable back = RoundTrip(original);
        QCOMPARE(back.columns.size(), original.columns.size());
        for (int i = 0; i < original.columns.size(); ++i) {
            QCOMPARE(back.columns[i].name, original.columns[i].name);
            QCOMPARE(back.columns[i].type, original.columns[i].type);
        }
        QCOMPARE(back.columns[5].size, 100);
        QCOMPARE(back.rows.size(), size_t(2));
        for (int i = 0; i < original.columns.size(); ++i) {
            QCOMPARE(back.rows[0][i], original.rows[0][i]);
            QVERIFY2(!back.rows[1][i].isValid(), qPrintable(original.columns[i].name));
        }
    }

    void malformedTablesAreRefused_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("no rows") << QByteArray(R"({"columns":[]})");
        QTest::newRow("unknown type") << QByteArray(R"({"columns":[{"name":"A","type":"Money"}],"rows":[]})");
        QTest::newRow("duplicate name, other case")
            << QByteArray(R"({"columns":[{"name":"A","type":"Int32"},{"name":"a","type":"Int32"}],"rows":[]})");
        QTest::newRow("short row") << QByteArray(R"({"columns":[{"name":"A","type":"Int32"}],"rows":[[]]})");
        QTest::newRow("fraction in Int32") << QByteArray(R"({"columns":[{"name":"A","type":"Int32"}],"rows":[[1.5]]})");
        QTest::newRow("Int32 out of range")
            << QByteArray(R"({"columns":[{"name":"A","type":"Int32"}],"rows":[[2147483648]]})");
        QTest::newRow("number in text") << QByteArray(R"({"columns":[{"name":"A","type":"WideString"}],"rows":[[5]]})");
    }

    void malformedTablesAreRefused() {
        QFETCH(QByteArray, json);
        QVERIFY_THROWS_EXCEPTION(TDSException, ReadTable(QJsonDocument::fromJson(json).object()));
    }

    // The text decoder gives what Qt's document gives, on every column kind, NULLs, escapes,
    // characters beyond ASCII and the edges of the number ranges.
    void textDecoderAgreesWithDocument_data() {
        QTest::addColumn<QByteArray>("json");
        const QByteArray allTypes = [] {
            TJsonWriter w;
            WriteTable(w, AllTypesTable());
            return w.Take();
        }();
        QTest::newRow("every kind and NULL") << allTypes;
        const QByteArray text = R"({"columns":[{"name":"S","type":"WideString"}],"rows":)";
        QTest::newRow("escapes")
            << text + "[[\"a\\\"b\\\\c\\/d\\b\\f\\n\\r\\t\"],[\"\\u0000\\u001f\\u00e7\\u011F\\u20AC\"]]}";
        QTest::newRow("surrogate pair, escaped and raw") << text + "[[\"\\ud83d\\ude97\"],[\"\xf0\x9f\x9a\x97\"]]}";
        QTest::newRow("lone surrogate escape") << text + "[[\"x\\udc00y\"]]}";
        QTest::newRow("Turkish letters raw")
            << text + "[[\"\xc3\xa7\xc4\x9f\xc4\xb1\xc3\xb6\xc5\x9f\xc3\xbc \xc4\xb0\"]]}";
        QTest::newRow("empty text") << text + R"([[""],[" "]]})";
        QTest::newRow("white space everywhere")
            << QByteArray(" \r\n\t{ \"columns\" : [ { \"type\" : \"Int32\" , \"name\" : \"A\" } ] ,"
                          " \"rows\" : [ [ 1 ] , [ null ] ] } \n");
        QTest::newRow("rows before columns")
            << QByteArray(R"({"rows":[[1,"x"]],"extra":{"a":[1,{}]},"columns":[{"name":"A","type":"Int32"},)"
                          R"({"name":"B","type":"WideString","size":20,"more":null}]})");
        QTest::newRow("size that is not a whole number")
            << QByteArray(R"({"columns":[{"name":"A","type":"WideString","size":2.5},)"
                          R"({"name":"B","type":"WideString","size":"9"}],"rows":[]})");
        const QByteArray numbers = R"({"columns":[{"name":"I","type":"Int32"},{"name":"L","type":"Int64"},)"
                                   R"({"name":"D","type":"Double"}],"rows":)";
        QTest::newRow("number edges")
            << numbers +
                   R"([[2147483647,9007199254740992,1.7976931348623157e308],)"
                   R"([-2147483648,-9007199254740992,5e-324],[-0,1E2,-0.0],[1.0e1,0,0.1],)"
                   R"([0,0,123456789012345678901234567890],[0,0,1.00000000000000011102230246251565404236316680908203125]]})";
    }

    void textDecoderAgreesWithDocument() {
        QFETCH(QByteArray, json);
        CompareTables(FromText(json), FromDocument(json));
    }

    // Faulty JSON that Qt's parser would let through or that only the text decoder meets.
    void faultyTextIsRefused_data() {
        QTest::addColumn<QByteArray>("json");
        const QByteArray text = R"({"columns":[{"name":"S","type":"WideString"}],"rows":)";
        QTest::newRow("unknown escape") << text + "[[\"\\a\"]]}";
        QTest::newRow("short \\u escape") << text + "[[\"\\u12\"]]}";
        QTest::newRow("raw control character") << text + "[[\"a\tb\"]]}";
        QTest::newRow("invalid UTF-8") << text + "[[\"\xc3\x28\"]]}";
        QTest::newRow("overlong UTF-8") << text + "[[\"\xc0\xaf\"]]}";
        QTest::newRow("UTF-8 surrogate") << text + "[[\"\xed\xa0\x80\"]]}";
        QTest::newRow("cut UTF-8") << text + "[[\"\xe2\x82\"]]}";
        QTest::newRow("unterminated text") << text + "[[\"abc";
        QTest::newRow("trailing comma in a row") << text + R"([["a",]]})";
        QTest::newRow("trailing comma in rows") << text + R"([["a"],]})";
        QTest::newRow("missing comma") << text + R"([["a"] ["b"]]})";
        QTest::newRow("text after the table") << text + R"([]} x)";
        QTest::newRow("cut table") << text + R"([[)";
        QTest::newRow("two rows members") << text + R"([],"rows":[]})";
        QTest::newRow("two columns members")
            << QByteArray(R"({"columns":[],"columns":[{"name":"A","type":"Int32"}],"rows":[]})");
        QTest::newRow("two names") << QByteArray(R"({"columns":[{"name":"A","name":"B","type":"Int32"}],"rows":[]})");
        const QByteArray number = R"({"columns":[{"name":"D","type":"Double"}],"rows":)";
        QTest::newRow("leading zero") << number + R"([[01]]})";
        QTest::newRow("plus sign") << number + R"([[+1]]})";
        QTest::newRow("bare minus") << number + R"([[-]]})";
        QTest::newRow("no digit after the point") << number + R"([[1.]]})";
        QTest::newRow("no exponent digits") << number + R"([[1e]]})";
        QTest::newRow("beyond the double range") << number + R"([[1e400]]})";
        QTest::newRow("bad literal") << number + R"([[nul]]})";
        QTest::newRow("NaN") << number + R"([[NaN]]})";
    }

    void faultyTextIsRefused() {
        QFETCH(QByteArray, json);
        QVERIFY_THROWS_EXCEPTION(TDSException, FromText(json));
    }

    // The malformed tables above, read from their text.
    void malformedTablesAreRefusedFromText_data() { malformedTablesAreRefused_data(); }

    void malformedTablesAreRefusedFromText() {
        QFETCH(QByteArray, json);
        QVERIFY_THROWS_EXCEPTION(TDSException, FromText(json));
    }

    void readerRefusesDeepNesting() {
        const QByteArray deep = QByteArray(2000, '[') + QByteArray(2000, ']');
        TJsonReader reader(deep);
        QVERIFY_THROWS_EXCEPTION(TJsonSyntaxError, reader.Skip());
    }

    // What the writer writes, the reader reads back unchanged.
    void writerAndReaderAgreeOnText_data() {
        QTest::addColumn<QString>("text");
        QString controls;
        for (char16_t c = 0; c < 0x20; ++c)
            controls.append(QChar(c));
        QTest::newRow("control characters") << controls;
        QTest::newRow("quotes and backslashes") << QStringLiteral("\"\\\\\"/");
        QTest::newRow("Turkish") << QStringLiteral("ÇĞİÖŞÜ çğıöşü");
        QTest::newRow("beyond the BMP") << QString::fromUtf8("\xf0\x9f\x9a\x97 araba");
        QTest::newRow("mixed") << QStringLiteral("FREN BALATASI \"ÖN\"\r\n\t€");
        QTest::newRow("empty") << QString();
    }

    void writerAndReaderAgreeOnText() {
        QFETCH(QString, text);
        TJsonWriter w;
        w.String(text);
        QCOMPARE(QJsonDocument::fromJson("[" + w.Bytes() + "]").array().at(0).toString(), text);
        TJsonReader reader(w.Bytes());
        QCOMPARE(reader.String(), text);
        reader.End();
    }

    void emptyTableKeepsItsColumns() {
        TDSTable t;
        t.columns = {{QStringLiteral("A"), TFieldType::Int32}, {QStringLiteral("B"), TFieldType::WideString}};
        TClientDataSet ds;
        ds.CopyFromTable(RoundTrip(t));
        QCOMPARE(ds.RecordCount(), 0);
        QCOMPARE(ds.FieldCount(), 2);
        QVERIFY(ds.Active());
        QVERIFY(ds.Eof());
    }

    void dataPacketReplacesColumns() {
        TClientDataSet ds;
        ds.CopyFromTable(AllTypesTable());
        TDataPacket packet;
        packet.table.columns = {{QStringLiteral("X"), TFieldType::WideString}};
        packet.table.rows = {{QStringLiteral("bir")}};
        ds.SetData(packet);
        QCOMPARE(ds.FieldCount(), 1);
        QCOMPARE(ds.RecordCount(), 1);
        QVERIFY(ds.FindField(u"I32") == nullptr);
        QCOMPARE(ds.FieldByName(u"x")->AsString(), QStringLiteral("bir"));
    }

    void cursorWalkLocateAndEdit() {
        QObject owner;
        TClientDataSet* ds = FilledDataSet(&owner);
        QStringList seen;
        for (ds->First(); !ds->Eof(); ds->Next())
            seen << ds->FieldByName(u"adi")->AsString();
        QCOMPARE(seen, QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));

        QVERIFY(ds->Locate(u"SIRANO", 2));
        QCOMPARE(ds->RecNo(), 1);
        QVERIFY(!ds->Locate(u"SIRANO", 9));
        QCOMPARE(ds->RecNo(), 1); // a failed locate leaves the cursor

        ds->Edit();
        ds->FieldByName(u"FIYAT")->SetValue(10);
        QCOMPARE(ds->ValueAt(1, 2).toDouble(), 2.5); // not before Post
        ds->Post();
        QCOMPARE(ds->ValueAt(1, 2).toDouble(), 10.0);

        ds->Edit();
        ds->FieldByName(u"FIYAT")->SetValue(99);
        ds->Cancel();
        QCOMPARE(ds->ValueAt(1, 2).toDouble(), 10.0);
        QVERIFY_THROWS_EXCEPTION(TDSException, ds->FieldByName(u"YOK"));
        QVERIFY_THROWS_EXCEPTION(TDSException, ds->FieldByName(u"FIYAT")->SetValue(1)); // not in edit state
    }

    void displayFormatUsesTheLocale() {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        QObject owner;
        TClientDataSet* ds = FilledDataSet(&owner);
        ds->FieldByName(u"FIYAT")->SetDisplayFormat(QStringLiteral("#,###,##0.00"));
        ds->Last();
        ds->Edit();
        ds->FieldByName(u"FIYAT")->SetValue(1234.5);
        ds->Post();
        QCOMPARE(ds->DisplayTextAt(2, 2), QStringLiteral("1.234,50"));
        QLocale::setDefault(QLocale::c());
    }

    void disabledControlsHoldBackViewUpdates() {
        QObject owner;
        TClientDataSet* ds = FilledDataSet(&owner);
        TDataSource source;
        source.SetDataSet(ds);
        QSignalSpy resets(&source, &QAbstractItemModel::modelReset);

        ds->DisableControls();
        ds->DisableControls();
        ds->EmptyDataSet();
        ds->AppendRow({4, QStringLiteral("D"), 4.5});
        ds->EnableControls();
        QCOMPARE(resets.count(), 0); // still disabled once
        ds->EnableControls();
        QCOMPARE(resets.count(), 1);
        QCOMPARE(source.rowCount(), 1);
    }

    void detachedSourceShowsNothing() {
        QObject owner;
        TClientDataSet* ds = FilledDataSet(&owner);
        TDataSource source;
        source.SetDataSet(ds);
        QCOMPARE(source.rowCount(), 3);
        QCOMPARE(source.headerData(1, Qt::Horizontal).toString(), QStringLiteral("ADI"));
        source.SetEnabled(false);
        QCOMPARE(source.rowCount(), 0);
        ds->AppendRow({4, QStringLiteral("D"), 4.5});
        source.SetEnabled(true);
        QCOMPARE(source.rowCount(), 4);
        QCOMPARE(source.data(source.index(3, 1)).toString(), QStringLiteral("D"));
    }
};

QTEST_GUILESS_MAIN(TstDatasnap)
#include "tst_datasnap.moc"
