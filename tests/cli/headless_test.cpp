// Headless requests over a damaged catalogue: the outcome is its own exit
// status, apart from a failed write, and the message says what broke.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTextStream>

#include "catalogue/errors.h"
#include "cli/headless.h"
#include "exports/save_file.h"
#include "model/errors.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora::test {
namespace {

struct HeadlessRun {
  int status = -1;
  QString err;
};

HeadlessRun runOn(const CliRequest& request, const CatalogueTexts& texts) {
  QString out;
  QString err;
  QTextStream outStream(&out);
  QTextStream errStream(&err);
  const int status = runHeadless(request, texts, outStream, errStream);
  errStream.flush();
  return {status, err};
}

TEST(Headless, ADamagedCatalogueIsNotAFailedWrite) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  CliRequest request;
  request.action = CliAction::ExportSolid;
  request.position = 3;
  request.file = dir.filePath(QStringLiteral("ikosaeder.stl"));

  CatalogueTexts damaged = embeddedTexts();
  damaged.vertexLines.clear();  // no solid can be read
  const HeadlessRun broken = runOn(request, damaged);
  EXPECT_EQ(broken.status, kExitCatalogue);
  EXPECT_TRUE(
      broken.err.startsWith(QStringLiteral("korvelindra: der eingebaute Katalog ist beschädigt: ")))
      << broken.err.toStdString();
  EXPECT_FALSE(QFile::exists(request.file));

  // The same request over the whole catalogue succeeds, and into a folder it fails to write.
  EXPECT_EQ(runOn(request, embeddedTexts()).status, kExitSuccess);
  request.file = dir.path();
  EXPECT_EQ(runOn(request, embeddedTexts()).status, kExitWriteFailed);
}

TEST(Headless, CatalogueFaultsAreToldFromOtherErrors) {
  EXPECT_TRUE(isCatalogueFault(EDecompressionError("ungültiger Kopf")));
  EXPECT_TRUE(isCatalogueFault(EResNotFound("velkora")));
  EXPECT_TRUE(isCatalogueFault(EConvertError("'x' ist kein gültiger Integerwert")));
  EXPECT_FALSE(
      isCatalogueFault(EWriteError(QStringLiteral("/x"), QStringLiteral("Permission denied"))));
  EXPECT_FALSE(isCatalogueFault(std::runtime_error("anything")));
}

}  // namespace
}  // namespace velkora::test
