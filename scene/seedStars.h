// Scatters the sixty stars over the screen.
#pragma once

// Gives every star an x in 0..639 and a y in 0..479, drawing x then y from starRandom.
void seedStars();
