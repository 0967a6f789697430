// The floor for the start-up ratio: open a 440 x 535 window (or of the size given: bare-sdl W H),
// present one frame, exit.
#include <SDL.h>

#include <cstdlib>

int main(int argc, char** argv) {
    const int width = argc == 3 ? std::atoi(argv[1]) : 440;
    const int height = argc == 3 ? std::atoi(argv[2]) : 535;
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* w = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                     height, SDL_WINDOW_BORDERLESS);
    SDL_Surface* s = SDL_GetWindowSurface(w);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0xD4, 0xD0, 0xC8));
    SDL_UpdateWindowSurface(w);
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    SDL_DestroyWindow(w);
    SDL_Quit();
    return 0;
}
