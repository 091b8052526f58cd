#include "catalogue/GetWebServices.h"

#include <memory>

#include "catalogue/ServClasses.h"

namespace {

template <class Runner>
KEEL::WEB::IWebRunner *MakeRunner() {
  return new Runner();
}

using RunnerMaker = KEEL::WEB::IWebRunner *(*)();

#define KV_RUNNER_MAKER(SERVICE, Service, op, ...) &MakeRunner<KEEL::SERVICE::CServ_##op>,
const RunnerMaker kRunnerMakers[] = {KV_WEB_OPERATIONS(KV_RUNNER_MAKER)};
#undef KV_RUNNER_MAKER

}  // namespace

extern "C" void GetWebServices(std::list<KEEL::WEB::IWebRunner *> &runners) {
  for (RunnerMaker make : kRunnerMakers) {
    std::unique_ptr<KEEL::WEB::IWebRunner> runner(make());
    runners.push_back(runner.get());
    runner.release();
  }
}
