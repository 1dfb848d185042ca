#include <QtTest>
class T : public QObject { Q_OBJECT private slots: void empty() {} };
QTEST_MAIN(T)
#include "tst_form1.moc"
