// The remote-call framework's stand-in: JSON writing, wire tables, the data set and its source.
#include "platform/datasnap/dataset.h"
#include "platform/datasnap/datasource.h"
#include "platform/datasnap/dsexception.h"
#include "platform/datasnap/jsonwriter.h"
#include "platform/datasnap/tablecodec.h"

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
