#pragma once

#include <QPainter>

// One function per picture of the built-in sheet; each draws into the 40 x 40 cell at the
// painter's origin.
void drawApple(QPainter& p);
void drawPear(QPainter& p);
void drawCherries(QPainter& p);
void drawBanana(QPainter& p);
void drawStrawberry(QPainter& p);
void drawGrapes(QPainter& p);
void drawCarrot(QPainter& p);
void drawWatermelon(QPainter& p);
void drawIceCream(QPainter& p);
void drawCup(QPainter& p);

void drawSun(QPainter& p);
void drawRainCloud(QPainter& p);
void drawNightMoon(QPainter& p);
void drawLightning(QPainter& p);
void drawSnowflake(QPainter& p);
void drawRainbow(QPainter& p);
void drawUmbrella(QPainter& p);
void drawSnowman(QPainter& p);
void drawTree(QPainter& p);
void drawFirTree(QPainter& p);
void drawFlower(QPainter& p);
void drawTulip(QPainter& p);
void drawCactus(QPainter& p);
void drawMushroom(QPainter& p);
void drawMapleLeaf(QPainter& p);

void drawFish(QPainter& p);
void drawBird(QPainter& p);
void drawButterfly(QPainter& p);
void drawLadybird(QPainter& p);
void drawSnail(QPainter& p);
void drawDuck(QPainter& p);
void drawCat(QPainter& p);
void drawPig(QPainter& p);
void drawFrog(QPainter& p);
void drawPenguin(QPainter& p);
void drawBee(QPainter& p);
void drawWhale(QPainter& p);
void drawMouse(QPainter& p);
void drawRabbit(QPainter& p);
void drawHorse(QPainter& p);

void drawCar(QPainter& p);
void drawSailboat(QPainter& p);
void drawAirplane(QPainter& p);
void drawRocket(QPainter& p);
void drawBalloon(QPainter& p);
void drawBicycle(QPainter& p);
void drawHouse(QPainter& p);
void drawHeart(QPainter& p);
void drawStar(QPainter& p);
void drawSpade(QPainter& p);
void drawClub(QPainter& p);
void drawDiamond(QPainter& p);
void drawNotes(QPainter& p);
void drawKey(QPainter& p);
void drawBell(QPainter& p);
void drawCrown(QPainter& p);
void drawAnchor(QPainter& p);
void drawEnvelope(QPainter& p);
void drawScissors(QPainter& p);
void drawTelephone(QPainter& p);
void drawDie(QPainter& p);
void drawBall(QPainter& p);
void drawHourglass(QPainter& p);
void drawLightBulb(QPainter& p);
