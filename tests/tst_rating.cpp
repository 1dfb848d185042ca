#include <QtTest>
class T : public QObject { Q_OBJECT private slots: void empty() {} };
QTEST_GUILESS_MAIN(T)
#include "tst_rating.moc"
