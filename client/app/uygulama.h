#pragma once

// The application object of the program. An exception that an event handler does not catch
// reaches the default error display here: its message in an error box, and the program goes on.

#include <QApplication>

class TUygulama final : public QApplication {
    Q_OBJECT
public:
    TUygulama(int& argc, char** argv);
    ~TUygulama() override;
    Q_DISABLE_COPY_MOVE(TUygulama)

    bool notify(QObject* alici, QEvent* olay) override;
};

// Shows the message of an exception that nobody caught.
void VarsayilanHataGoster(const QString& mesaj);
