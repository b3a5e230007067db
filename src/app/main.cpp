#include <QApplication>

#include "form1.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  vantrel::setUpApplication();
  vantrel::TForm1 Form1;
  Form1.show();
  return QApplication::exec();
}
