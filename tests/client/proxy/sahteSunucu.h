#pragma once

// A stand-in application server on a loopback port for the proxy's tests: it answers the
// handshake, records every method request and answers it as the test says.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <functional>
#include <httplib.h>
#include <mutex>
#include <thread>

struct TSahteIstek {
    QString yol;
    QString metot;
    QJsonArray parametreler;
};

class TSahteSunucu {
public:
    using TCevaplayici = std::function<std::pair<int, QByteArray>(const TSahteIstek&)>;

    TSahteSunucu() {
        m_sunucu.set_tcp_nodelay(true);
        m_sunucu.Get("/datasnap/rest/DSAdmin/GetPlatformName", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(R"({"result":["Test"]})", "application/json");
        });
        m_sunucu.Post(R"(/datasnap/rest/TServerMethods1/(.*))", [this](const httplib::Request& req,
                                                                       httplib::Response& res) {
            TSahteIstek istek;
            istek.yol = QString::fromStdString(req.path);
            istek.metot = QString::fromStdString(req.matches[1]).remove(QLatin1Char('"')); // the path arrives decoded
            istek.parametreler =
                QJsonDocument::fromJson(QByteArray::fromStdString(req.body)).object().value(u"_parameters").toArray();
            std::pair<int, QByteArray> cevap{200, QByteArray(R"({"result":[]})")};
            {
                std::lock_guard kilit(m_kilit);
                m_istekler.push_back(istek);
                if (m_cevaplayici)
                    cevap = m_cevaplayici(istek);
            }
            res.status = cevap.first;
            res.set_content(cevap.second.toStdString(), "application/json");
        });
        m_port = m_sunucu.bind_to_any_port("127.0.0.1");
        m_is = std::thread([this] { m_sunucu.listen_after_bind(); });
    }

    ~TSahteSunucu() {
        m_sunucu.stop();
        m_is.join();
    }

    int Port() const { return m_port; }

    void Cevapla(TCevaplayici cevaplayici) {
        std::lock_guard kilit(m_kilit);
        m_cevaplayici = std::move(cevaplayici);
    }

    void Cevapla(QByteArray govde) {
        Cevapla([govde](const TSahteIstek&) { return std::pair<int, QByteArray>{200, govde}; });
    }

    TSahteIstek SonIstek() {
        std::lock_guard kilit(m_kilit);
        return m_istekler.empty() ? TSahteIstek{} : m_istekler.back();
    }

    int IstekSayisi() {
        std::lock_guard kilit(m_kilit);
        return static_cast<int>(m_istekler.size());
    }

private:
    httplib::Server m_sunucu;
    std::thread m_is;
    int m_port = 0;
    std::mutex m_kilit;
    std::vector<TSahteIstek> m_istekler;
    TCevaplayici m_cevaplayici;
};
