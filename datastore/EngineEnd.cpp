#include "datastore/EngineEnd.h"
#include "datastore/FbStatus.h"

#include <firebird/Interface.h>
#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>

using namespace Firebird;

namespace engineend {

void endWithin(int limitMs, int exitCode)
{
    std::thread([limitMs, exitCode] {
        std::this_thread::sleep_for(std::chrono::milliseconds(limitMs));
        static const char text[] = "zelkor: az adatbázismotor nem állt le időben, a program kilép.\n";
        [[maybe_unused]] const ssize_t n = ::write(2, text, sizeof text - 1);
        ::_exit(exitCode);
    }).detach();
}

void shutdownEngine(int waitMs)
{
    // The embedded engine left to the library's exit handlers was seen to spin
    // there now and then; its own shutdown, asked for while every thread of the
    // program is still alive, ends its threads in order.
    IMaster *master = fb_get_master_interface();
    IProvider *dispatcher = master->getDispatcher();
    fbapi::Status s(master);
    try {
        dispatcher->shutdown(&s.w, unsigned(waitMs), fb_shutrsn_app_stopped);
    } catch (const FbException &) {
        // Whatever the engine could not close within waitMs is left to the exit.
    }
    dispatcher->release();
}

} // namespace engineend
