#pragma once
// Room kept free on every side of the fitted picture for the filters that
// draw a border around it: filter 4 draws a random width for each picture
// (3 % to 20 % of the monitor height), filters 8 and 10 keep 2.5 %.

int FrameMargin(int activeFilter, int monitorHeight);
