#pragma once

// A web page in a window of its own: the embedded browser `sitem` above a "Kapat" button. The
// caller sets the caption, lets it navigate to the page and shows it modally.

#include <QDialog>

class QPushButton;
class QWebEngineView;

class Tformistekyeni final : public QDialog {
    Q_OBJECT
public:
    explicit Tformistekyeni(QWidget* sahip);
    ~Tformistekyeni() override;
    Q_DISABLE_COPY_MOVE(Tformistekyeni)

    // Navigates `sitem` to `adres`, taken as it is written (a blank in it is sent as %20).
    void Git(const QString& adres);
    const QString& Adres() const { return m_adres; } // the address last given to Git

    QWebEngineView* sitem() const { return m_sitem; }

private:
    void Button1Click();

    QWebEngineView* m_sitem = nullptr;
    QPushButton* m_Button1 = nullptr;
    QString m_adres;
};
