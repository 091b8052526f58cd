// The objects an engine owns come from its arena and go back with
// soap_destroy; objects it does not own stay plain heap objects for their
// caller to delete.
#include <gtest/gtest.h>

#include <malloc.h>

#include "EngineArena.h"
#include "soapH.h"

namespace kv::test {
namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

std::size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

class EngineArenaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    soap_init(&engine_);
    ASSERT_TRUE(kv::wire::AttachEngineArena(&engine_));
  }
  void TearDown() override {
    soap_destroy(&engine_);
    soap_end(&engine_);
    soap_done(&engine_);
  }
  struct soap engine_;
};

TEST_F(EngineArenaTest, OwnedObjectsGoBackToTheHeapWithTheEngine) {
  // Twice: the second round must not keep what the first one left.
  for (int round = 0; round < 2; ++round) {
    const std::size_t before = HeapInUse();
    for (int i = 0; i < 20000; ++i) {
      HOLERESULT__holeResult *result = soap_new_HOLERESULT__holeResult(&engine_);
      ASSERT_NE(result, nullptr);
      result->holeId = soap_new_std__string(&engine_);
      result->holeId->assign(40, 'x');  // the text itself is the heap's
      result->clashPoint = soap_new_HOLERESULT__point(&engine_);
    }
    EXPECT_GT(HeapInUse(), before + 20000 * sizeof(HOLERESULT__holeResult));
    soap_destroy(&engine_);
    soap_end(&engine_);
    // No block stays (the runtime keeps a little of its own).
    EXPECT_LE(HeapInUse(), before + 4 * 1024) << "round " << round;
  }
}

TEST_F(EngineArenaTest, ObjectsDeletedOneByOneFreeTheirBlocks) {
  std::vector<HOLERESULT__point *> points;
  for (int i = 0; i < 50000; ++i) points.push_back(soap_new_HOLERESULT__point(&engine_));
  const std::size_t full = HeapInUse();
  // Newest first, as a reply is freed while it is read.
  for (std::size_t i = points.size(); i-- > points.size() / 2;) soap_delete(&engine_, points[i]);
  EXPECT_LT(HeapInUse(), full - (points.size() / 2 - 1000) * sizeof(HOLERESULT__point));
  for (std::size_t i = 0; i < points.size() / 2; ++i) EXPECT_EQ(points[i]->soap, &engine_);
}

TEST_F(EngineArenaTest, ObjectsTheEngineDoesNotOwnAreTheCallers) {
  // Unlinked objects and arrays are plain heap objects: delete must work.
  delete soap_new_HOLERESULT__point(nullptr);
  delete soap_new_HOLERESULT__point(&engine_, SOAP_NO_LINK_TO_DELETE);
  HOLERESULT__point *array = soap_new_HOLERESULT__point(&engine_, 3);
  ASSERT_NE(array, nullptr);
  EXPECT_EQ(array[2].soap, &engine_);
  // An owned one made just after an unlinked one is still the engine's.
  delete soap_new_HOLERESULT__point(&engine_, SOAP_NO_LINK_TO_DELETE);
  EXPECT_NE(soap_new_HOLERESULT__point(&engine_), nullptr);
}

TEST_F(EngineArenaTest, ACopyOfTheEngineHasAnArenaOfItsOwn) {
  struct soap *copy = soap_copy(&engine_);
  ASSERT_NE(copy, nullptr);
  for (int i = 0; i < 5000; ++i) {
    soap_new_HOLERESULT__holeResult(&engine_);
    soap_new_HOLERESULT__holeResult(copy);
  }
  soap_destroy(copy);
  soap_end(copy);
  soap_free(copy);
  // The original's objects are untouched by the copy's end.
  HOLERESULT__holeResult *kept = soap_new_HOLERESULT__holeResult(&engine_);
  EXPECT_EQ(kept->soap, &engine_);
}

}  // namespace
}  // namespace kv::test
