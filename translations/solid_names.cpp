#include "translations/solid_names.h"

#include <QCoreApplication>

namespace velkora {

const std::array<const char*, 31> kTranslatedSolidNames = {
    QT_TRANSLATE_NOOP("Solid", "Tetraeder"),
    QT_TRANSLATE_NOOP("Solid", "Hexaeder, Würfel"),
    QT_TRANSLATE_NOOP("Solid", "Oktaeder"),
    QT_TRANSLATE_NOOP("Solid", "Ikosaeder"),
    QT_TRANSLATE_NOOP("Solid", "Pentagondodekaeder"),
    QT_TRANSLATE_NOOP("Solid", "Abgeschrägtes Dodekaeder"),
    QT_TRANSLATE_NOOP("Solid", "Abgeschrägtes Hexaeder"),
    QT_TRANSLATE_NOOP("Solid", "Dodekaederstumpf"),
    QT_TRANSLATE_NOOP("Solid", "Hexaederstumpf"),
    QT_TRANSLATE_NOOP("Solid", "Ikosaederstumpf"),
    QT_TRANSLATE_NOOP("Solid", "Ikosidodekaeder"),
    QT_TRANSLATE_NOOP("Solid", "Ikosidodekaederstumpf"),
    QT_TRANSLATE_NOOP("Solid", "Kuboktaeder"),
    QT_TRANSLATE_NOOP("Solid", "Kuboktaederstumpf"),
    QT_TRANSLATE_NOOP("Solid", "Oktaederstumpf"),
    QT_TRANSLATE_NOOP("Solid", "Rhombenikosidodekaeder"),
    QT_TRANSLATE_NOOP("Solid", "Rhombenkuboktaeder"),
    QT_TRANSLATE_NOOP("Solid", "Tetraederstumpf"),
    QT_TRANSLATE_NOOP("Solid", "Deltoid-24-Flächner"),
    QT_TRANSLATE_NOOP("Solid", "Deltoid-60-Flächner"),
    QT_TRANSLATE_NOOP("Solid", "Disdyakisdodecaeder"),
    QT_TRANSLATE_NOOP("Solid", "Disdyakistriakontaeder"),
    QT_TRANSLATE_NOOP("Solid", "Pentagon-24-Flächner"),
    QT_TRANSLATE_NOOP("Solid", "Pentagon-60-Flächner"),
    QT_TRANSLATE_NOOP("Solid", "Pyramidendodekaeder"),
    QT_TRANSLATE_NOOP("Solid", "Pyramidenikosaeder"),
    QT_TRANSLATE_NOOP("Solid", "Pyramidenoktaeder"),
    QT_TRANSLATE_NOOP("Solid", "Pyramidentetraeder"),
    QT_TRANSLATE_NOOP("Solid", "Pyramidenwürfel"),
    QT_TRANSLATE_NOOP("Solid", "Rhombendodekaeder"),
    QT_TRANSLATE_NOOP("Solid", "Rhombentriakontaeder"),
};

QString shownSolidName(const QString& germanName) {
  return QCoreApplication::translate("Solid", germanName.toUtf8().constData());
}

}  // namespace velkora
