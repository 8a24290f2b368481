#pragma once

// A small HTTP server on a loopback port for the tests of the address service and the download:
// the test gives the handler of each path; every request is counted and its headers kept.

#include <atomic>
#include <httplib.h>
#include <mutex>
#include <string>
#include <thread>

class TDenemeSunucusu {
public:
    TDenemeSunucusu() { m_port = m_sunucu.bind_to_any_port("127.0.0.1"); }
    ~TDenemeSunucusu() {
        m_sunucu.stop();
        if (m_is.joinable())
            m_is.join();
    }
    TDenemeSunucusu(const TDenemeSunucusu&) = delete;
    TDenemeSunucusu& operator=(const TDenemeSunucusu&) = delete;

    // Registers `islev` for GET `yol`; call before Baslat.
    template <class Islev> void Get(const std::string& yol, Islev islev) {
        m_sunucu.Get(yol, [this, islev](const httplib::Request& istek, httplib::Response& cevap) {
            {
                std::lock_guard kilit(m_kilit);
                m_sonBasliklar = istek.headers;
            }
            ++m_istekSayisi;
            islev(istek, cevap);
        });
    }

    void Baslat() {
        m_is = std::thread([this] { m_sunucu.listen_after_bind(); });
        while (!m_sunucu.is_running())
            std::this_thread::yield();
    }

    int Port() const { return m_port; }
    int IstekSayisi() const { return m_istekSayisi; }
    std::string SonBaslik(const std::string& ad) {
        std::lock_guard kilit(m_kilit);
        const auto bulunan = m_sonBasliklar.find(ad);
        return bulunan == m_sonBasliklar.end() ? std::string() : bulunan->second;
    }

private:
    httplib::Server m_sunucu;
    std::thread m_is;
    int m_port = 0;
    std::atomic<int> m_istekSayisi = 0;
    std::mutex m_kilit;
    httplib::Headers m_sonBasliklar;
};
