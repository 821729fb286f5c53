// Opens the demonstration's one window.
#include <QApplication>

#include "app/form21.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app::PrepareApplication(app);
    app::Form21 window;
    window.show();
    return app.exec();
}
