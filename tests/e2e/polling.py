"""Waiting for what a page or the program shows, shared by the browser tests."""
import time


def wait_until(test, seconds, step):
    """The first true value test() gives within the time, else None."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = test()
        if value:
            return value
        time.sleep(step)
    return None
